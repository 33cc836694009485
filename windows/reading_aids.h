#pragma once
// The exercise window's aids for pupils who read with difficulty: the button
// (and key L) that reads the sentence and its red unit aloud, the switch that
// has the answers' messages spoken too, and the switch of high legibility.
// The window calls it at a few points: an answer given, a unit shown, VIA
// offered or not, a refit; everything else lives here. Both switches are off
// at every start and, like "analisi completa", can be changed only while VIA
// is offered.

#include <QFont>
#include <QObject>
#include <map>
#include <vector>

#include "../layouts/design_widgets.h"
#include "../history/recorder.h"
#include "../speech/speech_engine.h"
#include "../speech/utterances.h"

class QKeyEvent;

namespace engine {

class FormB;

class ReadingAids : public QObject {
    Q_OBJECT
public:
    // Without a voice the read-aloud controls are disabled and say why.
    // `memory`: where the pupil's switches are kept between runs; none: off at every start.
    ReadingAids(FormB &form, speech::SpeechEngine *engine, history::Recorder *memory = nullptr);
    ~ReadingAids() override;

    layout::Button *Leggi;                 // reads aloud; a second press stops
    layout::CheckBox *VoceRisposte;        // the answers' messages spoken too
    layout::CheckBox *AltaLeggibilita;     // the legible face

    // Its controls, for the screen fitting's list.
    std::vector<QWidget *> controls() const { return {Leggi, VoceRisposte, AltaLeggibilita}; }

    void read();
    // An answer was given and `message` shows: what was being read is out of
    // date; the message is said when the pupil asked for it.
    void answered(const QString &message);
    // The red mark moved or a new sentence is shown.
    void unitShown();
    void offerSwitches(bool offered);
    // After the screen fitting has set every size again.
    void refit();
    void setLegible(bool on);

    // The key of the read-aloud button (L, for "leggi").
    static bool isReadKey(const QKeyEvent &event);
    // The question the answer panel asks now, as it is said.
    QString question() const;
    // What a press of Leggi says now.
    QString textToRead() const;

private:
    bool voice() const;  // an Italian voice is ready
    void showAvailability();
    void markUnit();
    void fitMessage(const QString &message);
    void applyFace();

    FormB &form_;
    speech::SpeechEngine *engine_;
    bool legible_ = false;
    bool offered_ = true;  // VIA is offered
    std::map<QWidget *, QFont> designFonts_;  // the controls that change face
};

}  // namespace engine
