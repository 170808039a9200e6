#pragma once
#include <QApplication>

namespace tamb {

// The application object. An exception that escapes an event handler ends
// that handler only: its message goes to the error report and the program
// goes on. It ignores SIGXFSZ, so a write past the file size limit fails
// with an error instead of ending the program.
class TambApplication : public QApplication {
    Q_OBJECT
public:
    TambApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tamb
