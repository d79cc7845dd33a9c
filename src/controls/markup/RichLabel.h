#pragma once

#include "controls/markup/RichControl.h"

// A one-caption markup label: group captions, the message of the message
// dialog, the texts of the about box.
class TRichLabel : public TRichControl {
    Q_OBJECT

public:
    explicit TRichLabel(QWidget* parent = nullptr) : TRichControl(parent) {}

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value) { Change(m_caption, value); }
    // The background is ShadeColor of the button face instead of Color.
    bool ColorCalculate() const { return m_colorCalculate; }
    void SetColorCalculate(bool value) { Change(m_colorCalculate, value); }

protected:
    std::string MarkupText() const override { return m_caption; }
    QColor Background() const override;
    QColor BorderShadow() const override;
    int Inset() const override { return 6; }

private:
    std::string m_caption;
    bool m_colorCalculate = true;
};
