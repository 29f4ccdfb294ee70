#include "form/working_layout.h"

#include <algorithm>

namespace zelvanu {

namespace {

class LineBuilder {
public:
    LineBuilder(const WorkingMetrics& m, bool stacked)
        : m_m(m), m_pad(std::max(1, m.textHeight / 8)),
          m_barTop(stacked ? m.textHeight + m_pad : 0),
          m_textTop(stacked ? m_barTop + m.barThickness / 2 - m.textHeight / 2 : 0) {
        m_out.height = stacked ? 2 * (m.textHeight + m_pad) + m.barThickness : m.textHeight;
    }

    void gap(int eighths) { m_x += std::max(1, m_m.textHeight * eighths / 8); }
    void written() { m_out.written = true; }

    void text(std::string_view text, WorkingPiece::Kind kind = WorkingPiece::Kind::Text) {
        const int width = m_m.textWidth(text);
        m_out.pieces.push_back({kind, std::string(text), m_x, m_textTop, width, m_m.textHeight});
        m_x += width;
    }

    // The numerator centred over a bar that reaches a little past the wider of the two.
    void fraction(std::string_view numerator, std::string_view denominator) {
        const int overhang = m_pad;
        const int nw = m_m.textWidth(numerator), dw = m_m.textWidth(denominator);
        const int bar = std::max(nw, dw) + 2 * overhang;
        m_out.pieces.push_back({WorkingPiece::Kind::Text, std::string(numerator),
                                m_x + (bar - nw) / 2, 0, nw, m_m.textHeight});
        m_out.pieces.push_back({WorkingPiece::Kind::Bar, {}, m_x, m_barTop, bar, m_m.barThickness});
        m_out.pieces.push_back({WorkingPiece::Kind::Text, std::string(denominator),
                                m_x + (bar - dw) / 2, m_barTop + m_m.barThickness + m_pad, dw,
                                m_m.textHeight});
        m_x += bar;
    }

    WorkingLineLayout done() {
        m_out.width = m_x;
        return std::move(m_out);
    }

private:
    const WorkingMetrics& m_m;
    int m_pad, m_barTop, m_textTop;
    int m_x = 0;
    WorkingLineLayout m_out;
};

} // namespace

WorkingLineLayout layOutWorkingLine(const WorkingText& line, const WorkingMetrics& metrics) {
    const bool stacked = std::any_of(line.terms.begin(), line.terms.end(),
                                     [](const WorkingTerm& t) { return !t.numerator.empty(); });
    LineBuilder b(metrics, stacked);
    if (line.equals) {
        b.text("=");
        b.gap(4);
    }
    for (const WorkingTerm& t : line.terms) {
        if (&t != &line.terms.front()) {
            b.gap(4);
            b.text("+");
            b.gap(4);
        }
        if (t.parenthesised)
            b.text("(");
        if (!t.sign.empty() || !t.whole.empty())
            b.text(t.sign + t.whole);
        if (!t.whole.empty() && !t.numerator.empty())
            b.gap(2);
        if (!t.numerator.empty())
            b.fraction(t.numerator, t.denominator);
        if (t.parenthesised)
            b.text(")");
    }
    if (!line.words.empty()) {
        if (!line.terms.empty())
            b.gap(4);
        b.text(line.words);
        b.written();
    }
    if (!line.name.empty()) {
        b.gap(12);
        b.text(line.name, WorkingPiece::Kind::Name);
    }
    return b.done();
}

void alignStepNames(std::span<WorkingLineLayout* const> lines) {
    const auto nameOf = [](WorkingLineLayout& line) {
        const auto name =
            std::find_if(line.pieces.begin(), line.pieces.end(),
                         [](const WorkingPiece& p) { return p.kind == WorkingPiece::Kind::Name; });
        return name == line.pieces.end() ? nullptr : &*name;
    };
    int column = 0;
    for (WorkingLineLayout* line : lines)
        if (const WorkingPiece* name = nameOf(*line); name && !line->written)
            column = std::max(column, name->x);
    for (WorkingLineLayout* line : lines)
        if (WorkingPiece* name = nameOf(*line); name && !line->written) {
            name->x = column;
            line->width = std::max(line->width, column + name->width);
        }
}

} // namespace zelvanu
