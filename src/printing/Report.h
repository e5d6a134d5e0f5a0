#pragma once
// A report: a Letter page layout of positioned items (labels, value labels, pictures, memos) in
// report units (1/96 inch, measured from the top-left margin), filled from its window at the
// start of each page and turned into a Document, which the preview, the printer and the PDF
// writer all draw with the same code (Render.h).
#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPicture>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace printing {

// Report units per inch; the page below in those units.
constexpr qreal kUnitsPerInch = 96.0;
constexpr qreal kPaperWidthMm = 215.9;
constexpr qreal kPaperHeightMm = 279.4;
constexpr qreal kMarginMm = 10.0;
qreal MmToUnits(qreal mm);
qreal ContentWidth(); // inside the margins
qreal ContentHeight();
constexpr qreal kFooterHeight = 40.0;

// "Arial" at a form height (pixels, i.e. report units).
QFont ReportFont(const char* family = "Arial", int height = 13, bool bold = false, bool italic = false);

// One drawn thing of a filled page, in page units.
struct Element {
    enum class Kind { Text, Picture, Box, Drawing };
    Kind kind = Kind::Text;
    QRectF rect;
    QString text;
    QFont font;
    int flags = 0; // Qt::AlignmentFlag | Qt::TextFlag
    QImage picture;
    QColor fill;      // a box: filled, with a thin black frame
    QPicture drawing; // painter commands in page units from rect's top-left: printed as vectors
};

struct Page {
    std::vector<Element> elements;
};

// What the preview shows, what is printed, saved and loaded.
struct Document {
    QString reportClass; // "TQRReacCap"
    QString title;
    std::vector<Page> pages;
};

class Band;

// An item of a band; its position is relative to the band's top-left corner.
class ReportItem : public QObject {
    Q_OBJECT
  public:
    ReportItem(Band* band, const QString& name, qreal left, qreal top);
    qreal Left() const { return left_; }
    qreal Top() const { return top_; }
    void Move(qreal left, qreal top);
    virtual qreal Width() const = 0;
    virtual qreal Height() const = 0;
    qreal Right() const { return left_ + Width(); }
    qreal Bottom() const { return top_ + Height(); }
    // Adds what the item shows on page `page` (1 for the first).
    virtual void Emit(Page& out, const QPointF& bandOrigin, int page) const = 0;
    // Pages the item needs for what it holds now.
    virtual int PagesNeeded() const { return 1; }

  private:
    qreal left_;
    qreal top_;
};

// A text in one font: fixed names, headings, titles and the value labels filled at print time.
// With a width of zero it sizes itself to its text; otherwise it aligns within that width.
class QRLabel : public ReportItem {
    Q_OBJECT
  public:
    QRLabel(Band* band, const QString& name, const QString& text, qreal left, qreal top, const QFont& font,
            qreal width = 0, Qt::Alignment alignment = Qt::AlignLeft);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& text) { caption_ = text; }
    const QFont& Font() const { return font_; }
    qreal Width() const override;
    qreal Height() const override;
    void Emit(Page& out, const QPointF& bandOrigin, int page) const override;

  private:
    QString caption_;
    QFont font_;
    qreal width_;
    Qt::Alignment alignment_;
};

// A picture drawn at its own size (one picture pixel to one report unit) unless a size is set.
class QRImage : public ReportItem {
    Q_OBJECT
  public:
    QRImage(Band* band, const QString& name, qreal left, qreal top, QSizeF size = {});
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture) { picture_ = picture; }
    // Centred across its band's width.
    void SetCentred(bool centred) { centred_ = centred; }
    qreal Width() const override;
    qreal Height() const override;
    void Emit(Page& out, const QPointF& bandOrigin, int page) const override;

  private:
    QImage picture_;
    QSizeF size_;
    bool centred_ = false;
};

// A table page drawn cell by cell (so its numbers stay text in the PDF): the first row and the
// first column are the shaded headings, under an optional caption line.
class QRTable : public ReportItem {
    Q_OBJECT
  public:
    QRTable(Band* band, const QString& name, qreal left, qreal top, QSizeF size);
    void SetCells(const std::vector<QStringList>& rows, const QString& caption = QString());
    const std::vector<QStringList>& Cells() const { return rows_; }
    void SetCentred(bool centred) { centred_ = centred; }
    qreal Width() const override { return size_.width(); }
    qreal Height() const override { return size_.height(); }
    void Emit(Page& out, const QPointF& bandOrigin, int page) const override;

  private:
    std::vector<QStringList> rows_;
    QString caption_;
    QSizeF size_;
    bool centred_ = false;
};

// Lines of a list in a box of fixed height; lines that do not fit go on to the following pages.
class QRMemo : public ReportItem {
    Q_OBJECT
  public:
    QRMemo(Band* band, const QString& name, qreal left, qreal top, qreal width, qreal height,
           const QFont& font = ReportFont());
    QStringList Lines() const { return lines_; }
    void SetLines(const QStringList& lines) { lines_ = lines; }
    int LinesPerPage() const;
    qreal Width() const override { return width_; }
    qreal Height() const override { return height_; }
    void Emit(Page& out, const QPointF& bandOrigin, int page) const override;
    int PagesNeeded() const override;

  private:
    QStringList lines_;
    qreal width_;
    qreal height_;
    QFont font_;
};

class Band : public QObject {
    Q_OBJECT
  public:
    Band(QObject* report, const QString& name, const QRectF& area);
    const QRectF& Area() const { return area_; }
    std::vector<ReportItem*> Items() const;

  private:
    QRectF area_;
};

class Report : public QObject {
    Q_OBJECT
  public:
    Report();
    ~Report() override;

    // Writes the window's values into the items; runs at the start of every page.
    virtual void QuickRep1StartPage() {}
    // Pages the report prints (at least one, even when empty); memos that run over add pages.
    virtual int PageCount() const { return 1; }
    // Fills and lays out every page; the class name and the title go with the pages.
    Document Produce();

    // The window the report prints, and the table page a print-choice dialog chose (1 otherwise).
    void SetSource(QWidget* form, int tablePage = 1) {
        form_ = form;
        tablePage_ = tablePage;
    }
    QWidget* Form() const { return form_; }
    int TablePage() const { return tablePage_; }

    Band* TitleBand() const { return title_; }
    Band* FooterBand() const { return footer_; }
    int PageNumber() const { return page_; } // during QuickRep1StartPage

    // The footer's maker line and notice.
    static QString MakerName();
    static QString Notice();

  protected:
    // The title of a report: QRLabel1, centred across the page, or from `left` when given.
    QRLabel* SetTitle(const QString& text, const QFont& font, qreal top, qreal left = -1);
    QRLabel* AddLabel(Band* band, const QString& text, qreal left, qreal top,
                      const QFont& font = ReportFont());
    QRImage* AddImage(Band* band, qreal left, qreal top, QSizeF size = {});
    QRMemo* AddMemo(Band* band, qreal left, qreal top, qreal width, qreal height);
    QRTable* AddTable(Band* band, qreal left, qreal top, QSizeF size); // named as a picture: QRImage<n>
    QRLabel* Title() const { return titleLabel_; }

  private:
    QString NextName(const char* kind);

    Band* title_;
    Band* footer_;
    QRLabel* titleLabel_ = nullptr;
    int page_ = 0;
    int labels_ = 0;
    int images_ = 0;
    int memos_ = 0;
    QWidget* form_ = nullptr;
    int tablePage_ = 1;
};

} // namespace printing
