#include "FontDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tav::platform {

namespace {

// The size chosen with a family when none was chosen before: the size the dialog object reports
// until a font is chosen.
constexpr int kUsualSize = 10;

QString chosen(const QListWidget& list)
{
    const auto items = list.selectedItems();
    return items.size() == 1 ? items.front()->text() : QString();
}

// Fills a list anew without announcing it; nothing is chosen in it afterwards.
void refill(QListWidget& list, const QStringList& texts)
{
    const QSignalBlocker blocker(list);
    list.clear();
    list.addItems(texts);
}

void choose(QListWidget& list, int row)
{
    list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

// The family's style that is neither bold nor italic, of the weight nearest to normal; the first
// style when it has none such.
int regularStyle(const QString& family, const QStringList& styles)
{
    int best = 0;
    int bestDistance = -1;
    for (int row = 0; row < styles.size(); ++row) {
        const QString& style = styles.at(row);
        if (QFontDatabase::bold(family, style) || QFontDatabase::italic(family, style))
            continue;
        const int distance = std::abs(QFontDatabase::weight(family, style) - QFont::Normal);
        if (bestDistance < 0 || distance < bestDistance) {
            best = row;
            bestDistance = distance;
        }
    }
    return best;
}

QStringList scalableFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            families << family;
    }
    return families;
}

QListWidget* listUnder(QGridLayout& grid, int column, const QString& caption, QWidget* dialog)
{
    auto* list = new QListWidget(dialog);
    auto* label = new QLabel(caption, dialog);
    label->setBuddy(list);
    grid.addWidget(label, 0, column);
    grid.addWidget(list, 1, column);
    return list;
}

} // namespace

FontDialog::FontDialog(QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Font"));
    auto* grid = new QGridLayout(this);
    families_ = listUnder(*grid, 0, QStringLiteral("&Font:"), this);
    styles_ = listUnder(*grid, 1, QStringLiteral("Font st&yle:"), this);
    sizes_ = listUnder(*grid, 2, QStringLiteral("&Size:"), this);
    grid->setColumnStretch(0, 2);

    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    sample_ = new QLineEdit(sampleBox);
    sample_->setReadOnly(true);
    sample_->setFocusPolicy(Qt::NoFocus);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(fontMetrics().height() * 4);
    (new QVBoxLayout(sampleBox))->addWidget(sample_);
    grid->addWidget(sampleBox, 2, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    grid->addWidget(buttons, 3, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontDialog::reject);

    refill(*families_, scalableFamilies());
    connect(families_, &QListWidget::itemSelectionChanged, this, &FontDialog::chooseFamily);
    connect(styles_, &QListWidget::itemSelectionChanged, this, &FontDialog::chooseStyle);
    connect(sizes_, &QListWidget::itemSelectionChanged, this, &FontDialog::showChoice);
    showChoice();
}

QFont FontDialog::chosenFont() const
{
    return QFontDatabase::font(chosen(*families_), chosen(*styles_), chosen(*sizes_).toInt());
}

void FontDialog::accept()
{
    if (complete())
        QDialog::accept();
}

bool FontDialog::complete() const
{
    return !chosen(*families_).isEmpty() && !chosen(*styles_).isEmpty() && !chosen(*sizes_).isEmpty();
}

void FontDialog::chooseFamily()
{
    const QString family = chosen(*families_);
    const QStringList styles = family.isEmpty() ? QStringList() : QFontDatabase::styles(family);
    refill(*styles_, styles);
    if (styles.isEmpty())
        chooseStyle();
    else
        choose(*styles_, regularStyle(family, styles));
}

void FontDialog::chooseStyle()
{
    // The size chosen before stays chosen where the new list has it.
    const int before = chosen(*sizes_).toInt();
    const QString family = chosen(*families_);
    const QString style = chosen(*styles_);
    QStringList sizes;
    if (!style.isEmpty()) {
        for (int size : QFontDatabase::pointSizes(family, style))
            sizes << QString::number(size);
    }
    refill(*sizes_, sizes);
    if (sizes.isEmpty()) {
        showChoice();
        return;
    }
    qsizetype row = sizes.indexOf(QString::number(before > 0 ? before : kUsualSize));
    if (row < 0)
        row = sizes.indexOf(QString::number(kUsualSize));
    choose(*sizes_, int(std::max<qsizetype>(row, 0)));
}

void FontDialog::showChoice()
{
    ok_->setEnabled(complete());
    if (!complete()) {
        sample_->clear();
        return;
    }
    sample_->setFont(chosenFont());
    sample_->setText(QStringLiteral("AaBbYyZz"));
}

} // namespace tav::platform
