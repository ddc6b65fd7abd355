#include "FormPlacement.h"

#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "records/TextNumbers.h"

#include <QGuiApplication>
#include <QRect>
#include <QRectF>
#include <QScreen>
#include <QSizeF>

#include <algorithm>
#include <optional>

namespace tav::components {

using platform::Form;

namespace {

const QString kSection = QStringLiteral("FormPositions");
constexpr double kNoPosition = -999;
// Positions and sizes are 16-bit whole numbers of twips.
constexpr double kSmallestTwips = -32768;
constexpr double kLargestTwips = 32767;

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

// A stored position or size, read back as a 16-bit whole number of twips; nothing when it is not
// a number or lies outside that range.
std::optional<double> storedTwips(const Form& form, const char* suffix)
{
    const std::optional<double> value = storedNumber(form, suffix);
    if (!value)
        return std::nullopt;
    const auto twips = static_cast<double>(records::roundHalfEven(*value));
    return twips >= kSmallestTwips && twips <= kLargestTwips ? std::optional<double>(twips) : std::nullopt;
}

// Writes a position or size that a later start can read back, and nothing else: a value beyond
// the 16-bit range would only be ignored then.
void storeTwips(const Form& form, const char* suffix, double twips)
{
    const auto rounded = static_cast<double>(records::roundHalfEven(twips));
    if (rounded >= kSmallestTwips && rounded <= kLargestTwips)
        platform::settings().setValue(kSection, keyOf(form, suffix), QString::number(rounded));
}

QRect twipsOf(const QRect& pixels)
{
    return QRect(static_cast<int>(platform::pixelsToTwips(pixels.x())), static_cast<int>(platform::pixelsToTwips(pixels.y())),
                 static_cast<int>(platform::pixelsToTwips(pixels.width())),
                 static_cast<int>(platform::pixelsToTwips(pixels.height())));
}

// The largest size a window is given: one that cannot be seen whole would stay so at every later start.
QSizeF desktopSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? QSizeF(twipsOf(screen->availableVirtualGeometry()).size()) : QSizeF();
}

bool fitsTheDesktop(double twips, double largest)
{
    return twips > 0 && twips <= largest;
}

std::optional<double> storedSize(const Form& form, const char* suffix, double largest)
{
    const std::optional<double> twips = storedTwips(form, suffix);
    return twips && fitsTheDesktop(*twips, largest) ? twips : std::nullopt;
}

// Whether the window's top edge, where its title bar is, lies on a screen: a window whose title bar
// is off every screen cannot be moved back by the user.
bool titleBarOnSomeScreen(double left, double top, double width)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        const QRectF area(twipsOf(screen->geometry()));
        return top >= area.top() && top < area.bottom() && left < area.right() && left + width > area.left();
    });
}

void centreOnScreen(Form& form)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = twipsOf(screen->geometry());
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
    // Only what a later start applies is written; the last such values stay stored otherwise.
    if (titleBarOnSomeScreen(form.left(), form.top(), form.width())) {
        storeTwips(form, "_Left", form.left());
        storeTwips(form, "_Top", form.top());
    }
    if (form.sizable()) {
        const QSizeF desktop = desktopSize();
        if (fitsTheDesktop(form.width(), desktop.width()))
            storeTwips(form, "_Width", form.width());
        if (fitsTheDesktop(form.height(), desktop.height()))
            storeTwips(form, "_Height", form.height());
    }
}

void restoreFormPosition(Form& form)
{
    // The stored rectangle is the window's normal one in every state it opens in: Restore gives it
    // back after a maximized or minimized start.
    if (form.sizable()) {
        const QSizeF desktop = desktopSize();
        form.setWidth(storedSize(form, "_Width", desktop.width()).value_or(form.width()));
        form.setHeight(storedSize(form, "_Height", desktop.height()).value_or(form.height()));
    }

    const double left = storedTwips(form, "_Left").value_or(kNoPosition);
    const double top = storedTwips(form, "_Top").value_or(kNoPosition);
    if ((left == kNoPosition && top == kNoPosition) || !titleBarOnSomeScreen(left, top, form.width())) {
        centreOnScreen(form);
    } else {
        form.setLeft(left);
        form.setTop(top);
    }

    const double storedState = storedNumber(form, "_WindowState").value_or(0);
    const int state = storedState == 1 || storedState == 2 ? static_cast<int>(storedState) : 0;
    form.setWindowState(static_cast<Form::WindowState>(state));
}

} // namespace tav::components
