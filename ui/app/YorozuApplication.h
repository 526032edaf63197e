#pragma once

#include <QApplication>

namespace yorozu {

// The application object: whatever escapes an event handler ends at
// AppException instead of ending the program.
class YorozuApplication : public QApplication {
    Q_OBJECT
public:
    YorozuApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace yorozu
