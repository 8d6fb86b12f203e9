#include "sheets.h"

#include "table.h"

#include <QFont>
#include <QPainter>

namespace assetgen {

namespace {

const QColor kSheetBg(0x2e, 0x2e, 0x30);

QFont label(int px, bool bold = false) {
    QFont f("DejaVu Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

} // namespace

QImage contactSheet(const std::vector<SheetSet>& sets, const QImage& table, const QImage& about,
                    const std::vector<QImage>& icons) {
    const int width = 1500, gap = 8, labelH = 16, perRow = 15;
    // Lay out first to know the height.
    int height = 10;
    for (const SheetSet& s : sets) {
        if (s.images.empty()) continue;
        const int w = s.images.front().width(), h = s.images.front().height();
        const int cols = std::min<int>(static_cast<int>(s.images.size()),
                                       std::max(1, std::min(perRow, (width - 20) / (w + gap))));
        const int rows = (static_cast<int>(s.images.size()) + cols - 1) / cols;
        height += 28 + rows * (h + labelH + gap);
    }
    height += 28 + std::max(table.height() / 2, about.height()) + 20;
    height += 28 + 256 + 20;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kSheetBg);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    int y = 10;
    auto heading = [&](const QString& text) {
        p.setFont(label(15, true));
        p.setPen(QColor(0xf0, 0xe0, 0xb0));
        p.drawText(QPoint(10, y + 17), text);
        y += 28;
    };
    for (const SheetSet& s : sets) {
        if (s.images.empty()) continue;
        const int w = s.images.front().width(), h = s.images.front().height();
        const int cols = std::min<int>(static_cast<int>(s.images.size()),
                                       std::max(1, std::min(perRow, (width - 20) / (w + gap))));
        heading(QString("%1  (%2 x %3)").arg(s.name).arg(w).arg(h));
        for (size_t i = 0; i < s.images.size(); ++i) {
            const int x = 10 + static_cast<int>(i) % cols * (w + gap);
            const int top = y + static_cast<int>(i) / cols * (h + labelH + gap);
            p.drawImage(x, top, s.images[i]);
            p.setFont(label(11));
            p.setPen(QColor(0xdd, 0xdd, 0xdd));
            p.drawText(QRect(x, top + h, w, labelH), Qt::AlignCenter, QString::number(i));
        }
        const int rows = (static_cast<int>(s.images.size()) + cols - 1) / cols;
        y += rows * (h + labelH + gap);
    }
    heading("kaveltable.bmp (half size) and about.jpg");
    if (!table.isNull()) p.drawImage(QRect(10, y, table.width() / 2, table.height() / 2), table);
    if (!about.isNull()) p.drawImage(20 + table.width() / 2, y, about);
    y += std::max(table.height() / 2, about.height()) + 20;
    heading("icons");
    int x = 10;
    for (const QImage& i : icons) {
        p.fillRect(QRect(x, y, i.width(), i.height()), QColor(0x50, 0x50, 0x54));
        p.drawImage(x, y, i);
        x += i.width() + 16;
    }
    return sheet;
}

QImage tablePreview(const QImage& table, const std::vector<QImage>& cards,
                    const std::vector<QImage>& portraits, int back) {
    QImage out = table.copy();
    QPainter p(&out);
    auto card = [&](int index, int left, int top) {
        p.drawImage(left, top, cards[static_cast<size_t>(index)]);
        for (const QPoint& c : {QPoint(left, top), QPoint(left + 70, top), QPoint(left, top + 95),
                                QPoint(left + 70, top + 95)})
            out.setPixel(c, qRgb(0, 0, 0));
    };
    struct Row {
        int first, step, top;
        int backIndex;
        int faces[5];
    };
    const int playerHand[7] = {51, 37, 10, 22, 47, 33, 6};
    for (int i = 0; i < 7; ++i) card(playerHand[i], 335 + 30 * i, 500);
    const Row rows[4] = {{40, 25, 400, back, {0, 14, 28, 42, 4}},
                         {120, 25, 160, back + 1, {18, 32, 46, 8, 35}},
                         {565, 25, 160, back + 2, {23, 50, 38, 13, 40}},
                         {650, 25, 400, back + 3, {2, 16, 30, 44, 11}}};
    for (const Row& r : rows) {
        for (int i = 0; i < 7; ++i)
            card(i < 2 ? r.backIndex : r.faces[i - 2], r.first + r.step * i, r.top);
    }
    const int resting[4] = {0, 2, 4, 6};
    for (int seat = 0; seat < 4; ++seat)
        p.drawImage(portraitPos(seat), portraits[static_cast<size_t>(resting[seat])]);
    struct Text {
        int x, y;
        bool bold;
        int px;
        const char* text;
    };
    const Text labels[] = {
        {424, 448, true, 11, "You:"},
        {460, 448, true, 11, "1000"},
        {424, 464, false, 11, "Full house Aces"},
        {184, 344, true, 11, "Peter:"},
        {232, 344, true, 11, "985"},
        {184, 360, false, 11, "Calls"},
        {296, 104, true, 11, "Anna:"},
        {342, 104, true, 11, "1020"},
        {296, 120, false, 11, "Raises"},
        {528, 104, true, 11, "George:"},
        {587, 104, true, 11, "1000"},
        {528, 120, false, 11, "Folds"},
        {632, 344, true, 11, "Maria:"},
        {680, 344, true, 11, "975"},
        {632, 360, false, 11, "Checks"},
        {446, 304, true, 12, "240"},
    };
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Text& t : labels) {
        p.setFont(label(t.px, t.bold));
        p.setPen(Qt::white);
        p.drawText(QRect(t.x, t.y, 200, t.px + 4), Qt::AlignLeft | Qt::AlignTop, t.text);
    }
    struct Button {
        int x, y, w, h;
        const char* text;
    };
    const Button buttons[] = {{333, 618, 65, 33, "Deal"},   {397, 618, 65, 33, "Call"},
                              {461, 618, 65, 33, "Raise"},  {525, 618, 65, 33, "Fold"},
                              {347, 3, 73, 17, "New Game"}, {419, 3, 73, 17, "Options"},
                              {491, 3, 73, 17, "About"}};
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Button& b : buttons) {
        QLinearGradient g(0, b.y, 0, b.y + b.h);
        g.setColorAt(0, QColor(0xf4, 0xf4, 0xf0));
        g.setColorAt(1, QColor(0xa8, 0xb0, 0xb8));
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1), 3, 3);
        p.setFont(label(11, true));
        p.setPen(Qt::black);
        p.drawText(QRect(b.x, b.y, b.w, b.h), Qt::AlignCenter, b.text);
    }
    return out;
}

} // namespace assetgen
