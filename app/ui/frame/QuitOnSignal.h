#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the program's event loop normally on SIGTERM and SIGHUP, so that the
// program writes its settings and removes its temporary files as at any
// other exit. The signal handler only writes the signal's number into a
// pipe; the event loop reads it and asks the application to quit.
namespace app::ui {

class QuitOnSignal : public QObject {
public:
    // Takes the signals from now on, for as long as the object lives.
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;
    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace app::ui
