#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QLabel;

// The pictures and mouse pointers the program carries inside itself.
enum class Immagine {
    Orsetto,          // pink teddy bear with a blue bow: program icon, splash button
    Emblema,          // splash: keyboard, hand pressing a switch, loudspeaker
    MenuUccelli,      // menu item pictures, in item order
    MenuPereMele,
    MenuStelleMarine,
    MenuLocomotive,
    MenuCandele,
    MenuLampadine,
    MenuFoche,
    MenuEsci,         // open door with a red arrow
    FacciaEsatti,     // smiling face with thumb up
    FacciaErrati,     // face with a hand
    FrecciaVerde,     // status bar "Avanti"
    FrecciaAvanti,    // the "avanti" button: blue arrow pointing right
    Conferma,         // black check mark
    Ripeti,           // loudspeaker with a turning arrow: hear the question again
    MenuCasa,         // a house: back to the menu
    Si,               // white check mark on a green disc
    No,               // white cross on a red disc
    Croce,            // black cross edged in white: the mark of a wrong answer
};

enum class Puntatore {
    Mano,             // the program's hand pointer
    FrecciaBianca,    // large white arrow, hot spot 3,1
    ChiaveDiViolino,  // treble clef ("Suoni attivati")
    FacciaMusica,     // face listening to music (spoken labels)
    Orsetto,          // the splash
    Piu,
    Meno,
    Uguale,
    FrecciaGrigia,    // "avanti"
};

namespace Immagini {
// Drawn to fit the size given, on a transparent ground: by default keeping its
// proportions, centred; with Qt::IgnoreAspectRatio stretched to fill the size.
QPixmap immagine(Immagine quale, const QSize &dimensione,
                 Qt::AspectRatioMode modo = Qt::KeepAspectRatio);
QIcon icona(Immagine quale);
QIcon iconaProgramma();
QCursor puntatore(Puntatore quale);
// The number pointers: the number in dark blue on a light blue square.
QCursor puntatoreNumero(int numero);

// Shows a picture in a label (a picture box), filling it as immagine() does,
// and draws it again whenever the label changes size, so
// that it stays sharp at any window size.
void mostra(QLabel *etichetta, Immagine quale, Qt::AspectRatioMode modo = Qt::KeepAspectRatio);

// The faces of the status bar move: a picture has one or more frames, and
// immagine() draws the first.
int numeroFotogrammi(Immagine quale);
QPixmap fotogramma(Immagine quale, int numero, const QSize &dimensione,
                   Qt::AspectRatioMode modo = Qt::KeepAspectRatio);
constexpr int DurataFotogramma = 600;  // ms

// The size each picture was designed at (what immagine() draws for an empty size).
QSize dimensioneNaturale(Immagine quale);
// A pointer's hot spot, in its 32x32 logical pixels.
QPoint puntaDi(Puntatore quale);
// The picture of a number pointer, drawn at the given device pixel ratio.
QPixmap figuraNumero(int numero, qreal dpr = 1.0);
}
