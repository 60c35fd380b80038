#include "ui/channel_card.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>
#include <vector>

#include "files/whole_file.h"
#include "ui/card_texts.h"

namespace {

constexpr int kDotsPerInch = 600;
constexpr double kPageMarginMm = 15;
// The page's text shrinks from the first size on until everything fits one page and the
// table its width, whatever font the system offers.
constexpr double kPagePointSizes[] = {10, 9.5, 9, 8.5, 8, 7.5, 7};
// Small enough for a pocket, large enough to read without a lens.
constexpr double kSmallCardPointSize = 6.5;
constexpr double kSmallCardPaddingMm = 3;

const QColor kText(0, 0, 0);
const QColor kFaintText(0x70, 0x70, 0x70);
const QColor kRowShade(0xEB, 0xEB, 0xEB);

qreal Mm(double mm) {
  return mm * kDotsPerInch / 25.4;
}

QFont CardFont(double points, bool bold = false) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSizeF(points);
  font.setBold(bold);
  // Ligatures would reach the PDF's text as such: "Off" found, read aloud or copied as "Oﬀ".
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// Draws onto the page, or without a painter only measures, so that the layout is worked
// out by the very code that draws it.
class Canvas {
 public:
  Canvas(QPaintDevice* device, QPainter* painter) : device_(device), painter_(painter) {}

  QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, device_); }

  // Text that does not fit the box is elided, never drawn beyond it.
  void Text(const QRectF& box, const QFont& font, const QString& text,
            Qt::Alignment alignment = Qt::AlignLeft, const QColor& colour = kText,
            Qt::TextElideMode elide = Qt::ElideRight) const {
    if (painter_ == nullptr) {
      return;
    }
    painter_->setFont(font);
    painter_->setPen(colour);
    painter_->drawText(box, alignment | Qt::AlignVCenter,
                       Metrics(font).elidedText(text, elide, box.width()));
  }
  void Fill(const QRectF& box, const QColor& colour) const {
    if (painter_ != nullptr) {
      painter_->fillRect(box, colour);
    }
  }
  void Line(const QPointF& from, const QPointF& to) const {
    if (painter_ != nullptr) {
      painter_->setPen(QPen(kText, Mm(0.2)));
      painter_->drawLine(from, to);
    }
  }
  void CutLine(const QRectF& box) const {
    if (painter_ != nullptr) {
      painter_->setPen(QPen(kText, Mm(0.25), Qt::DashLine));
      painter_->setBrush(Qt::NoBrush);
      painter_->drawRect(box);
    }
  }

 private:
  QPaintDevice* device_;
  QPainter* painter_;
};

struct CardContent {
  QStringList header;
  std::vector<CardRow> rows;
  std::optional<RadioSettings> settings;
  QString planFileName;
  QString date;
};

// The channel table at one text size; the small card is the same table set smaller.
struct TableLayout {
  QFont font;
  QFont headerFont;
  std::vector<qreal> columns;
  qreal padding = 0;
  qreal rowHeight = 0;
  // Whether every cell fits whole, or the widest are elided to keep to the room.
  bool fits = true;

  qreal Width() const { return std::accumulate(columns.begin(), columns.end(), qreal{0}); }
  qreal Height(const CardContent& content) const {
    return rowHeight * static_cast<qreal>(content.rows.size() + 1);
  }
};

// Caps the widest columns at one width until the table fits its room, so that only cells
// too long to fit anyway are elided.
void FitColumns(std::vector<qreal>& columns, qreal room) {
  std::vector<qreal> widest = columns;
  std::sort(widest.begin(), widest.end(), std::greater<>());
  qreal rest = std::accumulate(widest.begin(), widest.end(), qreal{0});
  if (rest <= room) {
    return;
  }
  for (std::size_t capped = 1; capped <= widest.size(); ++capped) {
    rest -= widest[capped - 1];
    const qreal cap = std::max(qreal{0}, (room - rest) / static_cast<qreal>(capped));
    if (capped == widest.size() || cap >= widest[capped]) {
      for (qreal& column : columns) {
        column = std::min(column, cap);
      }
      return;
    }
  }
}

TableLayout LayOutTable(const Canvas& canvas, const CardContent& content, double points,
                        qreal room) {
  TableLayout layout;
  layout.font = CardFont(points);
  layout.headerFont = CardFont(points, true);
  const QFontMetricsF metrics = canvas.Metrics(layout.font);
  const QFontMetricsF headerMetrics = canvas.Metrics(layout.headerFont);
  layout.padding = metrics.height() * 0.4;
  layout.rowHeight = metrics.height() * 1.45;
  for (qsizetype column = 0; column < content.header.size(); ++column) {
    qreal width = headerMetrics.horizontalAdvance(content.header[column]);
    for (const CardRow& row : content.rows) {
      width = std::max(width, metrics.horizontalAdvance(row.cells[column]));
    }
    // Rounded up, so that the text never misses its box by a rounding error and is elided.
    layout.columns.push_back(std::ceil(width) + 1 + 2 * layout.padding);
  }
  layout.fits = layout.Width() <= room;
  FitColumns(layout.columns, room);
  return layout;
}

void DrawTable(const Canvas& canvas, const CardContent& content, const TableLayout& layout,
               QPointF topLeft) {
  const auto drawRow = [&](qreal top, const QStringList& cells, const QFont& font,
                           const QColor& colour) {
    qreal left = topLeft.x();
    for (qsizetype column = 0; column < cells.size(); ++column) {
      const qreal width = layout.columns[column];
      // Channel numbers line up by their last digit.
      canvas.Text(QRectF(left + layout.padding, top, width - 2 * layout.padding, layout.rowHeight),
                  font, cells[column], column == 0 ? Qt::AlignRight : Qt::AlignLeft, colour);
      left += width;
    }
  };
  qreal top = topLeft.y();
  drawRow(top, content.header, layout.headerFont, kText);
  top += layout.rowHeight;
  canvas.Line({topLeft.x(), top}, {topLeft.x() + layout.Width(), top});
  for (std::size_t index = 0; index < content.rows.size(); ++index) {
    const CardRow& row = content.rows[index];
    if (index % 2 == 1) {
      canvas.Fill(QRectF(topLeft.x(), top, layout.Width(), layout.rowHeight), kRowShade);
    }
    drawRow(top, row.cells, layout.font, row.inUse ? kText : kFaintText);
    top += layout.rowHeight;
  }
}

// Caption and value pairs in two columns, as the settings page groups them: the keys and
// signals, then the transmit timers.
qreal DrawSettings(const Canvas& canvas, const RadioSettings& settings, double points,
                   QPointF topLeft, qreal room) {
  const std::vector<std::vector<Setting>> groups = {
      {Setting::MonitorKey, Setting::SquelchLevel, Setting::BeepTones, Setting::BatterySaving,
       Setting::SelfProgramming},
      {Setting::Tot, Setting::TotRekey, Setting::TotReset}};
  const QFont font = CardFont(points);
  const QFont valueFont = CardFont(points, true);
  const QFontMetricsF metrics = canvas.Metrics(font);
  const qreal lineHeight = metrics.height() * 1.3;
  const qreal gap = metrics.height() * 2;
  const qreal columnRoom = (room - gap) / static_cast<qreal>(groups.size());
  qreal left = topLeft.x();
  std::size_t lines = 0;
  for (const std::vector<Setting>& group : groups) {
    qreal captionWidth = 0;
    for (const Setting setting : group) {
      captionWidth = std::max(captionWidth, metrics.horizontalAdvance(SettingCaption(setting)));
    }
    captionWidth = std::min(captionWidth + metrics.height() * 0.6, columnRoom / 2);
    qreal top = topLeft.y();
    for (const Setting setting : group) {
      const auto [caption, value] = SettingLine(setting, settings);
      canvas.Text(QRectF(left, top, captionWidth, lineHeight), font, caption);
      canvas.Text(QRectF(left + captionWidth, top, columnRoom - captionWidth, lineHeight),
                  valueFont, value);
      top += lineHeight;
    }
    lines = std::max(lines, group.size());
    left += columnRoom + gap;
  }
  return lineHeight * static_cast<qreal>(lines);
}

// Everything above the small card; returns its height.
qreal DrawPageBody(const Canvas& canvas, const CardContent& content, double points, qreal width) {
  qreal top = 0;
  const auto line = [&](const QFont& font, const QString& text, const QColor& colour,
                        Qt::TextElideMode elide) {
    const qreal height = canvas.Metrics(font).height() * 1.25;
    canvas.Text(QRectF(0, top, width, height), font, text, Qt::AlignLeft, colour, elide);
    top += height;
  };
  line(CardFont(points * 1.8, true), QCoreApplication::translate("Vexalon", "HT-446 channel card"),
       kText, Qt::ElideRight);
  top += canvas.Metrics(CardFont(points)).height() * 0.5;
  if (!content.planFileName.isEmpty()) {
    line(CardFont(points),
         QCoreApplication::translate("Vexalon", "Plan file: ") + content.planFileName, kText,
         Qt::ElideMiddle);
  }
  line(CardFont(points), QCoreApplication::translate("Vexalon", "Date: ") + content.date, kText,
       Qt::ElideRight);
  line(CardFont(points),
       QCoreApplication::translate("Vexalon", "Ch is the position of the channel knob."),
       kFaintText, Qt::ElideRight);
  top += canvas.Metrics(CardFont(points)).height();

  const TableLayout table = LayOutTable(canvas, content, points, width);
  DrawTable(canvas, content, table, {0, top});
  top += table.Height(content);

  if (content.settings) {
    top += canvas.Metrics(CardFont(points)).height() * 2;
    line(CardFont(points * 1.2, true), QCoreApplication::translate("Vexalon", "Settings"), kText,
         Qt::ElideRight);
    top += DrawSettings(canvas, *content.settings, points, {0, top}, width);
  }
  return top;
}

// The small card with the note above its cut line; returns its size.
QSizeF DrawSmallCard(const Canvas& canvas, const CardContent& content, QPointF topLeft,
                     qreal room) {
  const qreal padding = Mm(kSmallCardPaddingMm);
  const QFont noteFont = CardFont(kSmallCardPointSize);
  const qreal noteHeight = canvas.Metrics(noteFont).height() * 1.5;
  const TableLayout table = LayOutTable(canvas, content, kSmallCardPointSize, room - 2 * padding);
  const QFont headingFont = CardFont(kSmallCardPointSize, true);
  const qreal headingHeight = canvas.Metrics(headingFont).height() * 1.5;
  const QSizeF frame(table.Width() + 2 * padding,
                     headingHeight + table.Height(content) + 2 * padding);

  canvas.Text(QRectF(topLeft.x(), topLeft.y(), frame.width(), noteHeight), noteFont,
              QCoreApplication::translate(
                  "Vexalon", "Cut along the dashed line and keep the card with the radio."),
              Qt::AlignLeft, kFaintText);
  const QPointF frameTopLeft(topLeft.x(), topLeft.y() + noteHeight);
  canvas.CutLine(QRectF(frameTopLeft, frame));
  QStringList heading{QCoreApplication::translate("Vexalon", "HT-446 channels")};
  // The file's own name: its folder says nothing to whoever holds the radio.
  if (!content.planFileName.isEmpty()) {
    heading << QFileInfo(content.planFileName).fileName();
  }
  heading << content.date;
  canvas.Text(
      QRectF(frameTopLeft.x() + padding, frameTopLeft.y() + padding, table.Width(), headingHeight),
      headingFont, heading.join(QStringLiteral(" · ")), Qt::AlignLeft, kText, Qt::ElideMiddle);
  DrawTable(canvas, content, table,
            {frameTopLeft.x() + padding, frameTopLeft.y() + padding + headingHeight});
  return {frame.width(), noteHeight + frame.height()};
}

void DrawCard(QPdfWriter& writer, QPainter& painter, const CardContent& content) {
  const Canvas measure(&writer, nullptr);
  const Canvas draw(&writer, &painter);
  const qreal width = writer.width();
  const qreal height = writer.height();
  const QSizeF card = DrawSmallCard(measure, content, {0, 0}, width);
  const qreal cardTop = height - card.height();
  const qreal gap = Mm(8);

  double points = kPagePointSizes[std::size(kPagePointSizes) - 1];
  for (const double candidate : kPagePointSizes) {
    if (LayOutTable(measure, content, candidate, width).fits &&
        DrawPageBody(measure, content, candidate, width) + gap <= cardTop) {
      points = candidate;
      break;
    }
  }
  DrawPageBody(draw, content, points, width);
  DrawSmallCard(draw, content, {0, cardTop}, width);
}

CardContent Content(const ChannelPlan& plan, const QString& planFileName, const QDate& date) {
  CardContent content{
      ChannelTableHeader(), {}, plan.settings, planFileName, date.toString(Qt::ISODate)};
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    content.rows.push_back(ChannelCardRow(channel, plan.channels[channel - 1], plan.advancedMode));
  }
  return content;
}

}  // namespace

QString WriteChannelCard(const QString& pdfPath, const ChannelPlan& plan,
                         const QString& planFileName, const QDate& date) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setTitle(QCoreApplication::translate("Vexalon", "HT-446 channel card"));
    writer.setCreator(QStringLiteral("Vexalon"));
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                    QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) {
      return QCoreApplication::translate("Vexalon", "Unable to draw the channel card.");
    }
    DrawCard(writer, painter, Content(plan, planFileName, date));
    painter.end();
  }
  // Written whole or not at all: a half-written card would not open.
  FileReplacement file(QFile::encodeName(pdfPath).toStdString());
  if (!file.Begin() || !file.Commit(pdf.data().toStdString())) {
    return QCoreApplication::translate("Vexalon", "Unable to write to %1.").arg(pdfPath);
  }
  return {};
}
