#include "formparametersource.h"

#include "controls/tgradienttrackbar.h"
#include "util/numtext.h"

#include <QCheckBox>
#include <QLineEdit>

FormParameterSource::FormParameterSource(const std::array<QLineEdit *, kEditCount> &edits,
        const std::array<TGradientTrackBar *, kSliderCount> &sliders,
        const std::array<QCheckBox *, kCheckCount> &checks, QObject *parent)
    : QObject(parent), m_edits(edits), m_sliders(sliders), m_checks(checks)
{
    for (int i = 0; i < kEditCount; ++i) {
        m_texts[i].assign(m_edits[i]->text().toStdString());
        connect(m_edits[i], &QLineEdit::textChanged, this,
                [this, i](const QString &text) { m_texts[i].assign(text.toStdString()); });
    }
}

std::string_view FormParameterSource::text(Edit field) const
{
    return m_texts[editIndex(field)].text();
}

void FormParameterSource::setText(Edit field, std::string_view text)
{
    if (m_texts[editIndex(field)].text() == text)
        return;
    // The widget's textChanged mirrors the new text into m_texts.
    m_edits[editIndex(field)]->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
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
