#pragma once

#include "media/AudioOutput.h"

#include <QStringList>

// An audio output that keeps what it is given. By default everything written
// counts as played at once; with manuale set, the test says how much played.
class UscitaFinta : public AudioOutput
{
    Q_OBJECT
public:
    void startStream(int sampleRate) override
    {
        frequenza = sampleRate;
        pcm.clear();
        suonatiUs = 0;
    }
    void write(const QByteArray &dati) override { pcm += dati; }
    void stopStream() override {}
    qint64 playedUs() const override
    {
        if (manuale)
            return suonatiUs;
        return frequenza > 0 ? qint64(pcm.size() / 2) * 1000000 / frequenza : 0;
    }
    void playEffect(const QString &path) override { effetti << path; }

    double secondi() const { return frequenza > 0 ? double(pcm.size() / 2) / frequenza : 0.0; }

    int frequenza = 0;
    QByteArray pcm;  // the current stream
    bool manuale = false;
    qint64 suonatiUs = 0;
    QStringList effetti;
};
