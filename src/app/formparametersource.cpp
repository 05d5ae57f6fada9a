#include "formparametersource.h"

#include "controls/qtext.h"
#include "controls/tgradienttrackbar.h"
#include "util/numtext.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

FormParameterSource::FormParameterSource(const std::array<QLineEdit *, kEditCount> &edits,
        const std::array<TGradientTrackBar *, kSliderCount> &sliders,
        const std::array<QCheckBox *, kCheckCount> &checks, QObject *parent)
    : QObject(parent), m_edits(edits), m_sliders(sliders), m_checks(checks)
{
    for (int i = 0; i < kEditCount; ++i) {
        m_texts[i].assign(m_edits[i]->text().toStdString());
        m_edits[i]->installEventFilter(this);
        // textEdited comes just before textChanged, and only for the user's
        // changes: those of the program (the engine's writes, the presets,
        // the settings) are mirrored at once, and end an edit under way.
        connect(m_edits[i], &QLineEdit::textEdited, this,
                [this, i] { m_typed = m_edits[i]->hasFocus(); });
        connect(m_edits[i], &QLineEdit::textChanged, this, [this, i](const QString &text) {
            if (std::exchange(m_typed, false)) {
                m_editing = i;
                return;
            }
            if (m_editing == i)
                m_editing = -1;
            m_texts[i].assign(text.toStdString());
        });
    }
}

bool FormParameterSource::eventFilter(QObject *watched, QEvent *event)
{
    if (m_editing < 0 || watched != m_edits[m_editing])
        return false;
    bool finished = false;
    if (event->type() == QEvent::FocusOut) {
        // The field's own context menu takes the focus only for a moment.
        finished = static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason;
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        finished = key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    if (finished)
        finishEdit();
    return false;
}

void FormParameterSource::finishEdit()
{
    const int i = std::exchange(m_editing, -1);
    const std::string typed = m_edits[i]->text().toStdString();
    if (typed == m_texts[i].text())
        return;
    m_texts[i].assign(typed);
    emit edited(editAt(i));
}

std::string_view FormParameterSource::text(Edit field) const
{
    return m_texts[editIndex(field)].text();
}

void FormParameterSource::setText(Edit field, std::string_view text)
{
    const int i = editIndex(field);
    if (m_texts[i].text() == text)
        return;
    if (i == m_editing) {
        // The typed text stays in view and replaces this one when the edit is
        // finished; until then the engine reads what it wrote.
        m_texts[i].assign(text);
        return;
    }
    // The widget's textChanged mirrors the new text into m_texts.
    m_edits[i]->setText(fromUtf8(text));
}

double FormParameterSource::decimal(Edit field) const
{
    return m_texts[editIndex(field)].decimal();
}

int FormParameterSource::whole(Edit field) const
{
    return m_texts[editIndex(field)].whole();
}

void FormParameterSource::setNumber(Edit field, double value)
{
    FieldText &f = m_texts[editIndex(field)];
    if (f.showsNumber(value))
        return;
    setText(field, numtext::formatGeneral(value));
    f.rememberNumber(value);
}

int FormParameterSource::position(Slider slider) const
{
    return m_sliders[int(slider)]->position();
}

void FormParameterSource::setPosition(Slider slider, int position)
{
    TGradientTrackBar *s = m_sliders[int(slider)];
    // The tick sets the start-depth slider every time; a slider already there
    // (and its value label) need not be repainted.
    if (position >= s->min() && position <= s->max() && position == s->position())
        return;
    s->setPosition(position);
}

bool FormParameterSource::isChecked(Check box) const
{
    return m_checks[int(box)]->isChecked();
}

void FormParameterSource::setChecked(Check box, bool checked)
{
    m_checks[int(box)]->setChecked(checked);
}
