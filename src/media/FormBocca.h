#pragma once

#include <QWidget>
#include <memory>

class SpeechEngine;
class Bocca;

// The hidden screen that holds the program-wide speech engine and its mouth.
// Never shown.
class FormBocca : public QWidget
{
    Q_OBJECT
public:
    explicit FormBocca(std::unique_ptr<SpeechEngine> motore);
    ~FormBocca() override;
    SpeechEngine &Bocca() { return *m_motore; }

private:
    std::unique_ptr<SpeechEngine> m_motore;
    ::Bocca *m_bocca = nullptr;
};
