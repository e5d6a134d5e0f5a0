#include "impedance/FrequencyResponseExport.h"

#include "impedance/ResponsePlot.h"
#include "pictures/Plot.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace {

const QSize kExportSize(800, 560);

} // namespace

QString SweepCsv(const std::vector<formulas::ImpedancePoint>& points, const core::Separators& separators,
                 bool english) {
    const QString sep = separators.decimal == QLatin1Char(',') ? QStringLiteral(";") : QStringLiteral(",");
    const QStringList header =
        english ? QStringList{QStringLiteral("Frequency (Hz)"), QStringLiteral("|Z| (ohm)"),
                              QStringLiteral("Phase (degree)"), QStringLiteral("R (ohm)"),
                              QStringLiteral("X (ohm)")}
                : QStringList{QStringLiteral("Fréquence (Hz)"), QStringLiteral("|Z| (ohm)"),
                              QStringLiteral("Phase (degré)"), QStringLiteral("R (ohm)"),
                              QStringLiteral("X (ohm)")};
    QString text = header.join(sep) + QStringLiteral("\r\n");
    auto number = [&](long double v) { return core::FormatGeneral(v, separators); };
    for (const formulas::ImpedancePoint& p : points) {
        text += number(p.frequency);
        if (p.unbounded)
            text += sep + sep + sep + sep;
        else
            text += sep + number(p.Magnitude()) + sep + number(p.Phase()) + sep + number(p.z.real()) + sep +
                    number(p.z.imag());
        text += QStringLiteral("\r\n");
    }
    return text;
}

QString ReadoutText(const formulas::ImpedancePoint& p, QChar decimal, bool english) {
    using pictures::SiText;
    const QString ohm = QStringLiteral("Ω");
    QString text = QStringLiteral("f = ") + SiText(double(p.frequency), 4, decimal, QStringLiteral("Hz"));
    if (p.unbounded)
        return text + QStringLiteral("    |Z| ") +
               (english ? QStringLiteral("unbounded (off the scale)")
                        : QStringLiteral("non borné (hors échelle)"));
    const double x = double(p.z.imag());
    QString phase = QString::number(double(p.Phase()), 'f', 2);
    phase.replace(QLatin1Char('.'), decimal);
    return text + QStringLiteral("    |Z| = ") + SiText(double(p.Magnitude()), 4, decimal, ohm) +
           QStringLiteral("    θ = ") + phase + QStringLiteral("°    Z = ") +
           SiText(double(p.z.real()), 4, decimal, ohm) +
           (x < 0 ? QStringLiteral(" − j") : QStringLiteral(" + j")) + SiText(std::fabs(x), 4, decimal, ohm);
}

bool WriteText(const QString& fileName, const QString& text) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.toUtf8());
    return file.commit();
}

bool WriteChartSvg(const QString& fileName, const ResponsePlot& plot, const QString& title) {
    QSvgGenerator svg;
    svg.setFileName(fileName);
    svg.setSize(kExportSize);
    svg.setViewBox(QRect(QPoint(0, 0), kExportSize));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg)) return false;
    plot.Render(p, QRectF(QPointF(0, 0), QSizeF(kExportSize)), PaperColours());
    return p.end();
}

bool WriteChartPng(const QString& fileName, const ResponsePlot& plot) {
    QImage image(kExportSize * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        plot.Render(p, QRectF(QPointF(0, 0), QSizeF(kExportSize)), PaperColours());
    }
    return image.save(fileName, "PNG");
}
