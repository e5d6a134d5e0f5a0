// The frequency response report: the circuit, the inputs, f0, Q and bandwidth, and the chart as
// painter commands, so the printer and the PDF get vectors and text, not pixels.
#include "impedance/FrequencyResponseExport.h"
#include "impedance/ResponsePlot.h"
#include "pictures/impedance/FrequencyResponsePictures.h"
#include "printing/Layouts.h"
#include "printing/Preview.h"
#include "ui/Language.h"

#include <QComboBox>
#include <QPainter>
#include <QPicture>
#include <QWidget>

namespace {

// A drawing recorded in report units.
class QRDrawing : public printing::ReportItem {
  public:
    QRDrawing(printing::Band* band, const QString& name, qreal left, qreal top, QSizeF size)
        : ReportItem(band, name, left, top), size_(size) {}
    void SetDrawing(const QPicture& drawing) { drawing_ = drawing; }
    qreal Width() const override { return size_.width(); }
    qreal Height() const override { return size_.height(); }
    void Emit(printing::Page& out, const QPointF& bandOrigin, int) const override {
        if (drawing_.isNull()) return;
        printing::Element e;
        e.kind = printing::Element::Kind::Drawing;
        e.rect = QRectF(bandOrigin + QPointF(Left(), Top()), size_);
        e.drawing = drawing_;
        out.elements.push_back(e);
    }

  private:
    QSizeF size_;
    QPicture drawing_;
};

constexpr qreal kLeft = 40;
constexpr qreal kValuesLeft = 340;
constexpr qreal kStep = 20;
const QSize kCircuit(240, 120);

} // namespace

class TQRFrequencyResponse : public printing::Report {
  public:
    TQRFrequencyResponse() {
        using printing::ReportFont;
        SetTitle(ui::Tr(QStringLiteral("Réponse en fréquence"), QStringLiteral("Frequency response")),
                 ReportFont("Arial", 27), 8);
        const QFont heading = ReportFont("Arial", 16, true);
        AddLabel(TitleBand(), QStringLiteral("Circuit :"), kLeft, 64, heading);
        circuit_ = AddImage(TitleBand(), kLeft, 92, QSizeF(kCircuit));
        AddLabel(TitleBand(), ui::Tr(QStringLiteral("Valeurs saisie:"), QStringLiteral("Values:")),
                 kValuesLeft, 64, heading);
        for (int i = 0; i < 5; ++i)
            inputs_.push_back(AddLabel(TitleBand(), QString(), kValuesLeft, 92 + i * kStep));
        AddLabel(TitleBand(), ui::Tr(QStringLiteral("Résultat:"), QStringLiteral("Result:")), kValuesLeft,
                 200, heading);
        for (int i = 0; i < 3; ++i)
            results_.push_back(AddLabel(TitleBand(), QString(), kValuesLeft, 228 + i * kStep));
        chart_ = new QRDrawing(TitleBand(), QStringLiteral("QRDrawing1"), 0, 310,
                               QSizeF(printing::ContentWidth(), 600));
    }

    void QuickRep1StartPage() override {
        QWidget* form = Form();
        if (!form) return;
        using printing::TextOf;
        using printing::ValueWithUnit;
        const bool english = ui::IsEnglish();
        const auto* list = form->findChild<QComboBox*>(QStringLiteral("TopologyList"));
        const auto topology = formulas::Topology(std::max(0, list ? list->currentIndex() : 0));
        QImage circuit(kCircuit * 2, QImage::Format_RGB32);
        circuit.setDevicePixelRatio(2);
        circuit.fill(Qt::white);
        {
            QPainter p(&circuit);
            pictures::DrawResponseCircuit(p, QRectF(QPointF(0, 0), QSizeF(kCircuit)), topology, Qt::black);
        }
        circuit_->SetPicture(circuit);

        auto component = [&](const char* symbol, const char* box, const char* unit, bool used) {
            return QString::fromLatin1(symbol) + QStringLiteral(" = ") +
                   (used ? ValueWithUnit(form, box, unit) : QStringLiteral("—"));
        };
        const auto* plot = form->findChild<ResponsePlot*>(QStringLiteral("PlotView"));
        QString range;
        if (plot && !plot->Data().frequency.empty()) {
            const QChar decimal = plot->Texts().decimal;
            range = pictures::SiText(plot->Data().frequency.front(), 4, decimal, QStringLiteral("Hz")) +
                    (english ? QStringLiteral(" to ") : QStringLiteral(" à ")) +
                    pictures::SiText(plot->Data().frequency.back(), 4, decimal, QStringLiteral("Hz"));
        }
        const QString lines[] = {
            ResponseTopologyText(topology, english),
            component("R", "RBox", "RUnit", formulas::UsesResistance(topology)),
            component("L", "LBox", "LUnit", formulas::UsesInductance(topology)),
            component("C", "CBox", "CUnit", formulas::UsesCapacitance(topology)),
            (english ? QStringLiteral("Range: ") : QStringLiteral("Plage : ")) + range,
        };
        for (std::size_t i = 0; i < inputs_.size(); ++i)
            inputs_[i]->SetCaption(lines[i]);
        results_[0]->SetCaption(QStringLiteral("f0 = ") + TextOf(form, "F0Label"));
        results_[1]->SetCaption(QStringLiteral("Q = ") + TextOf(form, "QFactorLabel"));
        results_[2]->SetCaption(
            (english ? QStringLiteral("Bandwidth = ") : QStringLiteral("Bande passante = ")) +
            TextOf(form, "BandwidthLabel"));
        if (plot) {
            QPicture drawing;
            QPainter p(&drawing);
            plot->Render(p, QRectF(QPointF(0, 0), QSizeF(chart_->Width(), chart_->Height())), PaperColours());
            p.end();
            chart_->SetDrawing(drawing);
        }
    }

  private:
    printing::QRImage* circuit_ = nullptr;
    std::vector<printing::QRLabel*> inputs_;
    std::vector<printing::QRLabel*> results_;
    QRDrawing* chart_ = nullptr;
};

OHMBRIX_REGISTER_REPORT(TQRFrequencyResponse, TFormFrequencyResponse)
