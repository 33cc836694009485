#include "reading_aids.h"

#include <QFontMetricsF>
#include <QKeyEvent>

#include <algorithm>

#include "../layouts/layout_builder.h"
#include "../platform/screen_fit.h"
#include "../legibility/legible_face.h"
#include "exercise_window.h"

namespace engine {

namespace {

constexpr const char *kFittedPoints = "legibleFittedPoints";
constexpr const char *kShrunkTo = "legibleShrunkTo";
constexpr double kWordMarginPixels = 2;
// Glyphs are drawn at whole pixel sizes: a size lowered by the exact ratio may
// round up; a little under it does not.
constexpr double kShrinkSafety = 0.96;

// Never below what the toolkit can draw, however small the window is made.
double readable(double points) { return std::max(points, platform::ridimschermo::kMinPoints); }

}  // namespace

ReadingAids::ReadingAids(FormB &form, speech::SpeechEngine *engine, history::Recorder *memory)
    : QObject(&form), form_(form), engine_(engine)
{
    Leggi = layout::control<layout::Button>(&form, QStringLiteral("Leggi"));
    VoceRisposte = layout::control<layout::CheckBox>(&form, QStringLiteral("VoceRisposte"));
    AltaLeggibilita = layout::control<layout::CheckBox>(&form, QStringLiteral("AltaLeggibilita"));

    showAvailability();
    if (engine_ && engine_->pending())
        engine_->whenSettled([this] { showAvailability(); });

    std::vector<QWidget *> faced = {form.AVVISO, form.gratifica, form.Com10, form.Com11, form.VIA,
                                    Leggi, VoceRisposte, AltaLeggibilita, form.AnalisiCompleta};
    for (int i = 1; i <= 22; ++i)
        faced.push_back(form.Lbmostra[i]);
    for (int i = 1; i <= 5; ++i)
        faced.push_back(form.display[i]);
    for (int i = 1; i <= 9; ++i)
        faced.push_back(form.Com[i]);
    // The choice buttons, the article's kind's among them, change their
    // captions with each question and keep their face.
    for (layout::Button *b : form.furtherButtons())
        if (std::find(form.Scelta.begin(), form.Scelta.end(), b) == form.Scelta.end())
            faced.push_back(b);
    for (QWidget *w : faced)
        designFonts_[w] = w->font();

    VoceRisposte->setChecked(false);  // off at every start
    AltaLeggibilita->setChecked(false);
    connect(Leggi, &QPushButton::clicked, this, &ReadingAids::read);
    connect(AltaLeggibilita, &QCheckBox::toggled, this, &ReadingAids::setLegible);
    connect(VoceRisposte, &QCheckBox::toggled, this, [this](bool on) {
        if (!on && voice())
            engine_->stop();
    });
    if (memory) {
        // ... unless the pupil's history remembers them on.
        static const std::string voiceName = "risposte a voce", legibleName = "alta leggibilità";
        VoceRisposte->setChecked(memory->rememberedSwitch(voiceName));
        AltaLeggibilita->setChecked(memory->rememberedSwitch(legibleName));
        connect(VoceRisposte, &QCheckBox::toggled, this, [memory](bool on) { memory->rememberSwitch(voiceName, on); });
        connect(AltaLeggibilita, &QCheckBox::toggled, this,
                [memory](bool on) { memory->rememberSwitch(legibleName, on); });
    }
}

ReadingAids::~ReadingAids()
{
    if (engine_)
        engine_->whenSettled({});  // the window goes before the engine
}

bool ReadingAids::isReadKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_L
           && (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

QString ReadingAids::question() const
{
    using speech::Question;
    if (form_.VIA->isVisible())
        return {};
    if (form_.Com10->isVisible() || form_.Com11->isVisible())
        return speech::questionText(Question::VariableOrNot);
    if (form_.Domanda->isVisible()) {
        // A further question: the words above the buttons, then the choices.
        // The article's kind lies on the choice buttons: each button once.
        const auto own = form_.furtherButtons();
        std::vector<const layout::Button *> buttons(own.begin(), own.end());
        for (int k = 1; k <= engine::kMaxChoices; ++k)
            if (std::find(buttons.begin(), buttons.end(), form_.Scelta[k]) == buttons.end())
                buttons.push_back(form_.Scelta[k]);
        QStringList choices;
        for (const layout::Button *b : buttons)
            if (b->isVisible())
                choices << b->caption();
        return speech::choiceQuestion(form_.Domanda->caption(), choices);
    }
    return speech::questionText(Question::PartOfSpeech);
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
    const QString asked = state.fullAnalysis ? question() : QString();
    return speech::sentenceUtterance(units, form_.Lbmostra[word]->caption(), asked);
}

bool ReadingAids::voice() const
{
    return engine_ && !engine_->pending() && engine_->unavailableReason().isEmpty();
}

// Without a voice (or while the system still looks for one) the read-aloud
// controls are disabled and their tooltip says why.
void ReadingAids::showAvailability()
{
    const QString missing = engine_ ? engine_->unavailableReason() : QStringLiteral("Sintesi vocale non disponibile");
    Leggi->setEnabled(missing.isEmpty());
    Leggi->setToolTip(missing.isEmpty()
                          ? QStringLiteral("Legge la frase e la parola in rosso (tasto L); premi di nuovo per fermare")
                          : missing);
    VoceRisposte->setEnabled(missing.isEmpty() && offered_);
    VoceRisposte->setToolTip(missing.isEmpty() ? QStringLiteral("Fa dire anche «Bravo» e «No riprova»") : missing);
}

void ReadingAids::read()
{
    if (!voice())
        return;
    if (engine_->speaking()) {
        engine_->stop();
        return;
    }
    engine_->say(textToRead());
}

void ReadingAids::answered(const QString &message)
{
    fitMessage(message);
    if (!voice())
        return;
    if (VoceRisposte->isChecked())
        engine_->say(speech::spokenMessage(message));  // cuts off any reading
    else if (engine_->speaking())
        engine_->stop();
}

void ReadingAids::unitShown() { markUnit(); }

void ReadingAids::offerSwitches(bool offered)
{
    offered_ = offered;
    VoceRisposte->setEnabled(offered && voice());
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

namespace {

// The size the screen fitting gave `w`, before any shrinking here.
double fittedPoints(const QWidget *w)
{
    const double now = w->font().pointSizeF();
    const QVariant shrunk = w->property(kShrunkTo);
    if (shrunk.isValid() && qFuzzyCompare(shrunk.toDouble(), now))
        return w->property(kFittedPoints).toDouble();
    return now;
}

// Gives `w` the font `f` at its fitted size, lowered when `text` would be
// wider than `room` pixels in it: measured with the face in use on this screen.
void setFontWithin(QWidget *w, QFont f, const QString &text, double room, bool mayShrink)
{
    const double fitted = fittedPoints(w);
    f.setPointSizeF(fitted);
    double points = fitted;
    const double width = QFontMetricsF(f).horizontalAdvance(text);
    if (mayShrink && room > 0 && width > room)
        points = readable(fitted * room / width * kShrinkSafety);
    f.setPointSizeF(points);
    w->setProperty(kFittedPoints, fitted);
    w->setProperty(kShrunkTo, points != fitted ? QVariant(points) : QVariant());
    if (w->font() != f)
        w->setFont(f);
}

// A caption that no longer fits its button in the legible face, wrapped as
// the button draws it, is drawn smaller until it does.
void fitCaption(layout::Button *b)
{
    QFont f = b->font();
    const double fitted = f.pointSizeF();
    const QRect area = b->rect().adjusted(4, 2, -4, -2);
    double points = fitted;
    for (int step = 0; step < 12 && area.isValid(); ++step) {
        f.setPointSizeF(points);
        if (area.contains(QFontMetrics(f).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, b->text())))
            break;
        points = readable(points * 0.93);
    }
    if (points == fitted)
        return;
    b->setProperty(kFittedPoints, fitted);
    b->setProperty(kShrunkTo, points);
    b->setFont(f);
}

// The same for a switch: its box and caption within its width.
void fitCaption(QCheckBox *box)
{
    QFont f = box->font();
    const double fitted = f.pointSizeF();
    const int chrome = box->sizeHint().width() - QFontMetrics(f).horizontalAdvance(box->text());
    const double text = QFontMetricsF(f).horizontalAdvance(box->text());
    const double space = box->width() - chrome;
    if (text <= space || space <= 0)
        return;
    f.setPointSizeF(readable(fitted * space / text * kShrinkSafety));
    box->setProperty(kFittedPoints, fitted);
    box->setProperty(kShrunkTo, f.pointSizeF());
    box->setFont(f);
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

}  // namespace

void ReadingAids::applyFace()
{
    for (auto &[w, design] : designFonts_) {
        // A shrunk text goes back to the size the screen fitting gave it.
        QFont current = w->font();
        current.setPointSizeF(fittedPoints(w));
        w->setProperty(kShrunkTo, QVariant());
        const QFont f = legible_ ? legibility::legibleFont(current) : legibility::standardFont(current, design);
        if (w->font() != f)
            w->setFont(f);
        if (auto *b = qobject_cast<layout::Button *>(w); b && legible_)
            fitCaption(b);
        if (auto *box = qobject_cast<QCheckBox *>(w); box && legible_)
            fitCaption(box);
    }
    markUnit();
}

// In the legible face the red unit is underlined too; a unit too wide for its
// row is drawn smaller so that it stays clear of the answer buttons, and a
// message bar too long for the screen smaller so that it is read whole.
void ReadingAids::markUnit()
{
    const int word = form_.state().currentWord.value();
    const double buttons = form_.Com10->x() - kWordMarginPixels;
    for (int i = 1; i <= 22; ++i) {
        layout::Label *label = form_.Lbmostra[i];
        QFont f = label->font();
        f.setUnderline(legible_ && i == word && !form_.VIA->isVisible());
        setFontWithin(label, f, withoutTrailingBlanks(label->caption()), buttons - label->x(), legible_);
    }
    setFontWithin(form_.AVVISO, form_.AVVISO->font(), form_.AVVISO->caption(), form_.AVVISO->width() - 4, legible_);
    if (!form_.gratifica->caption().isEmpty())  // "COMPLETATA"
        fitMessage(form_.gratifica->caption());
}

// The answer's message, right of the answer column, within the window.
void ReadingAids::fitMessage(const QString &message)
{
    setFontWithin(form_.gratifica, form_.gratifica->font(), message,
                  form_.width() - form_.gratifica->x() - kWordMarginPixels, legible_);
}

}  // namespace engine
