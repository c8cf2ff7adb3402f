#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// The run asked to end from outside: SIGTERM, SIGHUP and SIGINT (a logout, a
// shutdown, Ctrl+C in a terminal) and the display going away. Each ends it as
// the menu's "Esci" does: `congedo` saves what "Esci" saves and writes out the
// record, whose exercise in progress stays "not finished"; the exit status is 0.
class FineDallEsterno : public QObject
{
public:
    explicit FineDallEsterno(std::function<void()> congedo);
    ~FineDallEsterno() override;

private:
    void segnaleArrivato();
    static void gestoreMessaggi(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo);

    std::function<void()> m_congedo;
    QSocketNotifier *m_avviso = nullptr;
    QtMessageHandler m_precedente = nullptr;
};
