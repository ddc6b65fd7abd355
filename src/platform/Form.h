#pragma once

#include <QDialog>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <optional>

namespace tav::platform {

class FormWidget;

// A window as the form runtime has it: a name, a border style, its outer rectangle in twips, a
// window state, and a load / unload life. Unloading runs the window's own unload step, which may
// refuse; an unloaded window is gone, and the next use loads it afresh.
class Form : public QObject {
    Q_OBJECT

public:
    enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3, FixedToolWindow = 4,
                             SizableToolWindow = 5 };
    enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

    Form(QString name, BorderStyle borderStyle, QWidget* owner = nullptr);
    ~Form() override;

    const QString& name() const { return name_; }
    // The window's client area; controls are placed in it.
    QWidget* widget() const;
    QDialog* dialog() const;

    QString caption() const;
    void setCaption(const QString& caption);

    // Makes the window one that the owner owns: the window manager keeps it above its owner and
    // minimises it only with its owner. A window given an owner when made is already owned.
    void setOwner(const Form& owner);

    BorderStyle borderStyle() const { return borderStyle_; }
    // Styles 1, 3 and 4 have a fixed border: the user cannot resize or maximize them, and their size
    // is neither saved nor restored.
    bool sizable() const;

    // The outer rectangle, frame included, in twips. The outer size set before the window manager
    // has framed the window is kept once it has; a client size set last is kept instead. Later
    // changes of the frame (a maximized window loses its borders) are the window manager's own, and
    // Restore gives back the normal rectangle it keeps.
    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // The client area's size in twips.
    void setClientSize(double width, double height);
    // The smallest outer size the window is given; a smaller width or height asked for gives this.
    void setMinimumSize(double width, double height);

    WindowState windowState() const;
    // Before the window shows, the state it shows in; its rectangle stays its normal one.
    void setWindowState(WindowState state);

    void show();
    void hide();
    // Whether the window is shown on the screen; false before show() and after hide().
    bool showing() const { return showing_; }
    bool unloaded() const { return unloaded_; }

    // Runs the unload step; returns false when it refused. An unloaded form deletes itself once
    // control returns to the event loop.
    bool unload();

signals:
    void resized();
    void becameUnloaded();

protected:
    // The window's own unload step; setting cancel keeps the window.
    virtual void onUnload(bool& cancel) { Q_UNUSED(cancel); }
    virtual void onResize() {}

private:
    friend class FormWidget;
    void handleClose(bool& accepted);
    void handleResize();
    void askOuterSize(QSize pixels);
    void frameMayHaveChanged();
    // Once the window is framed and normal: gives the client area the room that the outer size
    // asked for leaves inside the frame, then the state asked for.
    void fitToFrame();
    void resizeClient(QSize size);

    QString name_;
    QString caption_;
    BorderStyle borderStyle_;
    QPointer<FormWidget> widget_;
    bool showing_ = false;
    bool unloaded_ = false;
    QSize minimumSize_;
    // What was asked for before the window manager had framed the window: the outer size, in
    // pixels, and the state.
    std::optional<QSize> outerSize_;
    std::optional<Qt::WindowStates> stateOnceFramed_;
};

// The top-level widget behind a form; it hands window events to the form.
class FormWidget : public QDialog {
    Q_OBJECT

public:
    FormWidget(Form* form, QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    Form* form_;
};

} // namespace tav::platform
