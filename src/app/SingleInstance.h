#pragma once
// One running Velno per user: the first start listens on a local socket
// named after the instance name; a second start asks it to come to the
// front and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace velno::app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "VELNO_9_" and the language code, made per user; VELNO_INSTANCE_NAME
    // replaces it (tests run side by side).
    static QString defaultName();

    // Becomes the running instance, or, when one runs already, asks it to
    // come to the front. Returns true when this start is the running
    // instance and should go on.
    bool claim();
    const QString& name() const { return name_; }

signals:
    // Another start asked this instance to show its window.
    void activationRequested();

private:
    bool askRunningInstance();
    void acceptConnections();

    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace velno::app
