#include "FormPlacement.h"

#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "records/TextNumbers.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <optional>

namespace tav::components {

using platform::Form;

namespace {

const QString kSection = QStringLiteral("FormPositions");
constexpr double kNoPosition = -999;

QString keyOf(const Form& form, const char* suffix)
{
    return form.name() + QLatin1String(suffix);
}

// A stored number, or nothing when the value is missing or is not a number.
std::optional<double> storedNumber(const Form& form, const char* suffix)
{
    bool ok = false;
    const double value = platform::settings().value(kSection, keyOf(form, suffix)).trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString twipsText(double twips)
{
    return QString::number(records::roundHalfEven(twips));
}

QRect screenTwips(const QScreen* screen)
{
    const QRect pixels = screen->geometry();
    return QRect(static_cast<int>(platform::pixelsToTwips(pixels.x())), static_cast<int>(platform::pixelsToTwips(pixels.y())),
                 static_cast<int>(platform::pixelsToTwips(pixels.width())),
                 static_cast<int>(platform::pixelsToTwips(pixels.height())));
}

bool liesOnSomeScreen(const QRectF& rect)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return QRectF(screenTwips(screen)).intersects(rect); });
}

void centreOnScreen(Form& form)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screenTwips(screen);
    form.setLeft(area.x() + (area.width() - form.width()) / 2);
    form.setTop(area.y() + (area.height() - form.height()) / 2);
}

} // namespace

void saveFormPosition(const Form& form)
{
    auto& store = platform::settings();
    const Form::WindowState state = form.windowState();
    store.setValue(kSection, keyOf(form, "_WindowState"), QString::number(static_cast<int>(state)));
    if (state != Form::WindowState::Normal)
        return;
    store.setValue(kSection, keyOf(form, "_Left"), twipsText(form.left()));
    store.setValue(kSection, keyOf(form, "_Top"), twipsText(form.top()));
    if (form.sizable()) {
        store.setValue(kSection, keyOf(form, "_Width"), twipsText(form.width()));
        store.setValue(kSection, keyOf(form, "_Height"), twipsText(form.height()));
    }
}

void restoreFormPosition(Form& form)
{
    const double storedState = storedNumber(form, "_WindowState").value_or(0);
    const int state = storedState == 1 || storedState == 2 ? static_cast<int>(storedState) : 0;
    form.setWindowState(static_cast<Form::WindowState>(state));
    if (state != 0)
        return;

    if (form.sizable()) {
        const double width = records::roundHalfEven(storedNumber(form, "_Width").value_or(form.width()));
        const double height = records::roundHalfEven(storedNumber(form, "_Height").value_or(form.height()));
        if (width > 0 && height > 0) {
            form.setWidth(width);
            form.setHeight(height);
        }
    }

    const double left = records::roundHalfEven(storedNumber(form, "_Left").value_or(kNoPosition));
    const double top = records::roundHalfEven(storedNumber(form, "_Top").value_or(kNoPosition));
    if ((left == kNoPosition && top == kNoPosition)
        || !liesOnSomeScreen(QRectF(left, top, form.width(), form.height()))) {
        centreOnScreen(form);
        return;
    }
    form.setLeft(left);
    form.setTop(top);
}

} // namespace tav::components
