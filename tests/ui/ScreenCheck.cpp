// Run with KIP_SCREEN=NAME (and a screen of that size given to the offscreen platform), a window test
// checks that every window and dialog it opens lies wholly on the screen, and saves a picture of each
// under screenshots/NAME/ as it shows on that screen. A window that does not fit is reported with
// "does not fit the screen", which fails the test.

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void check(QWidget* window) {
    if (!window->isVisible())
        return;
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QString what =
        window->objectName().isEmpty() ? QString(window->metaObject()->className()) : window->objectName();
    if (!area.contains(frame))
        std::fprintf(stderr, "%s \"%s\" does not fit the screen: %dx%d at %d,%d on %dx%d at %d,%d\n",
                     qPrintable(what), qPrintable(window->windowTitle()), frame.width(), frame.height(),
                     frame.x(), frame.y(), area.width(), area.height(), area.x(), area.y());
    // One picture per window and title, as the user sees it on this screen.
    static QSet<QString> saved;
    QString name = what + "-" + window->windowTitle();
    name.replace(QRegularExpression("[^A-Za-z0-9-]+"), "-");
    if (saved.contains(name))
        return;
    saved.insert(name);
    const QString folder = QString(KIP_SCREENSHOT_DIR) + "/" + qEnvironmentVariable("KIP_SCREEN");
    QDir().mkpath(folder);
    window->grab().save(folder + "/" + name + ".png");
}

class ScreenCheck : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog)) {
            // After the window's own show handling has sized and placed it.
            QPointer<QWidget> window = widget;
            QTimer::singleShot(0, this, [window] {
                if (window)
                    check(window);
            });
        }
        return false;
    }
};

void installScreenCheck() {
    if (!qEnvironmentVariableIsEmpty("KIP_SCREEN"))
        qApp->installEventFilter(new ScreenCheck(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installScreenCheck)
