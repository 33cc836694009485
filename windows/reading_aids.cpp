#include "reading_aids.h"

#include <QKeyEvent>

#include "../layouts/layout_builder.h"
#include "../legibility/legible_face.h"
#include "exercise_window.h"

namespace engine {

namespace {

constexpr const char *kFittedPoints = "legibleFittedPoints";
constexpr const char *kShrunkTo = "legibleShrunkTo";

}  // namespace

ReadingAids::ReadingAids(FormB &form, speech::SpeechEngine *engine)
    : QObject(&form), form_(form), engine_(engine)
{
    Leggi = layout::control<layout::Button>(&form, QStringLiteral("Leggi"));
    VoceRisposte = layout::control<layout::CheckBox>(&form, QStringLiteral("VoceRisposte"));
    AltaLeggibilita = layout::control<layout::CheckBox>(&form, QStringLiteral("AltaLeggibilita"));
    Leggi->setAccessibleName(QStringLiteral("Leggi ad alta voce (tasto L)"));

    const QString missing = engine ? engine->unavailableReason()
                                   : QStringLiteral("Sintesi vocale non disponibile");
    if (!missing.isEmpty()) {
        for (QWidget *w : {static_cast<QWidget *>(Leggi), static_cast<QWidget *>(VoceRisposte)}) {
            w->setEnabled(false);
            w->setToolTip(missing);
        }
        engine_ = nullptr;
    } else {
        Leggi->setToolTip(QStringLiteral("Legge la frase e la parola in rosso (tasto L); premi di nuovo per fermare"));
    }

    std::vector<QWidget *> faced = {form.AVVISO, form.gratifica, form.Com10, form.Com11, form.VIA,
                                    Leggi, VoceRisposte, AltaLeggibilita, form.AnalisiCompleta};
    for (int i = 1; i <= 22; ++i)
        faced.push_back(form.Lbmostra[i]);
    for (int i = 1; i <= 5; ++i)
        faced.push_back(form.display[i]);
    for (int i = 1; i <= 9; ++i)
        faced.push_back(form.Com[i]);
    for (layout::Button *b : form.furtherButtons())
        faced.push_back(b);
    for (QWidget *w : faced)
        designFonts_[w] = w->font();

    VoceRisposte->setChecked(false);  // off at every start
    AltaLeggibilita->setChecked(false);
    connect(Leggi, &QPushButton::clicked, this, &ReadingAids::read);
    connect(AltaLeggibilita, &QCheckBox::toggled, this, &ReadingAids::setLegible);
    connect(VoceRisposte, &QCheckBox::toggled, this, [this](bool on) {
        if (!on && engine_)
            engine_->stop();
    });
}

bool ReadingAids::isReadKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_L
           && (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

speech::Question ReadingAids::question() const
{
    using speech::Question;
    if (form_.VIA->isVisible())
        return Question::None;
    if (form_.Com10->isVisible() || form_.Com11->isVisible())
        return Question::VariableOrNot;
    static constexpr Question further[] = {Question::ArticleKind, Question::Gender, Question::Number};
    for (int q = 0; q < 3; ++q)
        for (const layout::Button *b : form_.furtherButtons(q))
            if (b->isVisible())
                return further[q];
    return Question::PartOfSpeech;
}

QString ReadingAids::textToRead() const
{
    DrillState &state = form_.state();
    const int word = state.currentWord.value();
    // Before the first sentence, and once one is completed, the message bar.
    if (form_.VIA->isVisible() || word < 1 || word > 22)
        return form_.AVVISO->caption();
    QStringList units;
    for (int i = 1; i <= 22; ++i)
        units << form_.Lbmostra[i]->caption();
    const speech::Question asked = state.fullAnalysis ? question() : speech::Question::None;
    return speech::sentenceUtterance(units, form_.Lbmostra[word]->caption(), asked);
}

void ReadingAids::read()
{
    if (!engine_)
        return;
    if (engine_->speaking()) {
        engine_->stop();
        return;
    }
    engine_->say(textToRead());
}

void ReadingAids::answered(const QString &message)
{
    if (!engine_)
        return;
    if (VoceRisposte->isChecked())
        engine_->say(speech::spokenMessage(message));  // cuts off any reading
    else if (engine_->speaking())
        engine_->stop();
}

void ReadingAids::unitShown() { markUnit(); }

void ReadingAids::offerSwitches(bool offered)
{
    VoceRisposte->setEnabled(offered && engine_);
    AltaLeggibilita->setEnabled(offered);
}

void ReadingAids::setLegible(bool on)
{
    legible_ = on;
    applyFace();
}

void ReadingAids::refit()
{
    if (legible_)
        applyFace();
}

void ReadingAids::applyFace()
{
    for (auto &[w, design] : designFonts_) {
        QFont f = legible_ ? legibility::legibleFont(w->font()) : legibility::standardFont(w->font(), design);
        // A shrunk unit goes back to the size the screen fitting gave it.
        const QVariant shrunk = w->property(kShrunkTo);
        if (shrunk.isValid() && qFuzzyCompare(shrunk.toDouble(), f.pointSizeF()))
            f.setPointSizeF(w->property(kFittedPoints).toDouble());
        w->setProperty(kShrunkTo, QVariant());
        if (w->font() != f)
            w->setFont(f);
    }
    markUnit();
}

// In the legible face the red unit is underlined too, and a unit too wide for
// its row is drawn smaller so that it stays clear of the answer buttons.
void ReadingAids::markUnit()
{
    const DrillState &state = form_.state();
    const int word = state.currentWord.value();
    for (int i = 1; i <= 22; ++i) {
        layout::Label *label = form_.Lbmostra[i];
        QFont f = label->font();
        f.setUnderline(legible_ && i == word && !form_.VIA->isVisible());
        const QVariant shrunk = label->property(kShrunkTo);
        double fitted = f.pointSizeF();
        if (shrunk.isValid() && qFuzzyCompare(shrunk.toDouble(), fitted))
            fitted = label->property(kFittedPoints).toDouble();
        const double points =
            legible_ ? legibility::wordPoints(fitted, label->caption().toStdString(), i) : fitted;
        f.setPointSizeF(points);
        if (points != fitted) {
            label->setProperty(kFittedPoints, fitted);
            label->setProperty(kShrunkTo, points);
        } else {
            label->setProperty(kShrunkTo, QVariant());
        }
        if (label->font() != f)
            label->setFont(f);
    }
}

}  // namespace engine
