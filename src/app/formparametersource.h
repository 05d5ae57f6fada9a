#pragma once

#include "engine/fieldtext.h"
#include "engine/parametersource.h"

#include <QObject>

#include <array>

class QCheckBox;
class QLineEdit;
class TGradientTrackBar;

/// The engine's inputs read from the main window's widgets. Each field's
/// text is mirrored as UTF-8 whenever the widget's text changes, so the
/// engine's many reads per tick cost no conversion; writes go to the widgets,
/// whose change and click reactions run as for a user's edit.
///
/// A field the user is typing into (it has the keyboard focus and was edited
/// since it got it or since the last Enter) is not mirrored: the engine goes
/// on reading the text it held before, and its writes to that field go only
/// to that text, so neither a half-typed number nor a write-back in the
/// middle of the typing reaches the other side. Enter or the focus leaving
/// the field finishes the edit: the typed text replaces the engine's.
class FormParameterSource final : public QObject, public ParameterSource
{
    Q_OBJECT

public:
    FormParameterSource(const std::array<QLineEdit *, kEditCount> &edits,
            const std::array<TGradientTrackBar *, kSliderCount> &sliders,
            const std::array<QCheckBox *, kCheckCount> &checks, QObject *parent = nullptr);

    std::string_view text(Edit field) const override;
    void setText(Edit field, std::string_view text) override;
    int position(Slider slider) const override;
    void setPosition(Slider slider, int position) override;
    bool isChecked(Check box) const override;
    void setChecked(Check box, bool checked) override;

    double decimal(Edit field) const override;
    int whole(Edit field) const override;
    void setNumber(Edit field, double value) override;

    /// Whether the user is typing into one of the fields.
    bool isEditing() const { return m_editing >= 0; }

signals:
    /// The user finished an edit that changed what the engine reads.
    void edited(Edit field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finishEdit();

    std::array<QLineEdit *, kEditCount> m_edits;
    std::array<TGradientTrackBar *, kSliderCount> m_sliders;
    std::array<QCheckBox *, kCheckCount> m_checks;
    std::array<FieldText, kEditCount> m_texts;
    int m_editing = -1; // the field being typed into
    bool m_typed = false; // the text change under way is the user's
};
