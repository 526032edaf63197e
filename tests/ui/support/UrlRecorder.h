#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace yorozu::test {

// Records the addresses the window hands to the desktop instead of starting a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace yorozu::test
