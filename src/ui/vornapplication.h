// The program's application object. Its notify() is the one place every
// event passes through, so it catches whatever exception escapes an event
// handler (a mouse, key, paint, timer or queued-call handler of any window)
// and hands it to the error reporter instead of letting it end
// the program. The event counts as not handled; the program goes on.
#pragma once

#include <QApplication>

namespace vorn {

class VornApplication : public QApplication {
    Q_OBJECT

public:
    // Also routes the help viewer's messages through the Dialogs seam and
    // gives the help window its caption.
    VornApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vorn
