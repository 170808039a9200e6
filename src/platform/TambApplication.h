#pragma once
#include <QApplication>
#include <QTranslator>

namespace tamb {

// The application object. An exception that escapes an event handler ends
// that handler only: its message goes to the error report and the program
// goes on. It ignores SIGXFSZ, so a write past the file size limit fails
// with an error instead of ending the program. The game speaks Russian:
// Qt's own texts (standard buttons) come in Russian too.
class TambApplication : public QApplication {
    Q_OBJECT
public:
    TambApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator qtTexts_;
};

}  // namespace tamb
