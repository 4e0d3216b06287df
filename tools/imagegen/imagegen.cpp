// imagegen: draws Gromble's bitmaps and icons and writes them as BMP and ICO
// files. A plain host program without libraries; run it through generate.sh.
// The output is deterministic and is committed to src/res/images/, so the
// normal build never needs this program.
//
// Every image is drawn at 100 % (96 DPI) and again at 125 %, 150 % and 200 %:
// each size from its own measures (strokes, letters and line widths in whole
// pixels for that size), never by stretching a smaller picture. The bitmaps of
// a larger scale are NAME_125.bmp, NAME_150.bmp and NAME_200.bmp; the icons keep
// all their sizes in one file, the 100 % images first.
//
// usage: imagegen <output folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Colours and canvases

struct Rgb {
    uint8_t r, g, b;
};

bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

const Rgb kWhite{255, 255, 255};
const Rgb kNearWhite{254, 254, 254};

// Linear blend of two colours, t in [0, 1], rounded to nearest.
Rgb lerp(Rgb a, Rgb b, double t) {
    auto mix = [t](int x, int y) {
        return static_cast<uint8_t>(std::lround(x + (y - x) * t));
    };
    return Rgb{mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// A canvas of 24-bit pixels, plus a per-pixel "painted" flag that becomes
// the icon's AND mask (unpainted = transparent).
struct Canvas {
    int w, h;
    std::vector<Rgb> px;
    std::vector<bool> painted;
    // Where pure white is the transparent key colour, painted white turns
    // into 254 so that a visible pixel is never keyed out.
    bool whiteIsKey = false;

    Canvas(int width, int height, Rgb bg) : w(width), h(height), px(width * height, bg), painted(width * height, false) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Rgb at(int x, int y) const { return px[y * w + x]; }
    bool isPainted(int x, int y) const { return inside(x, y) && painted[y * w + x]; }

    void set(int x, int y, Rgb c) {
        if (!inside(x, y))
            return;
        if (whiteIsKey && c == kWhite)
            c = kNearWhite;
        px[y * w + x] = c;
        painted[y * w + x] = true;
    }

    // Back to the (unpainted) background colour.
    void erase(int x, int y, Rgb bg = kWhite) {
        if (!inside(x, y))
            return;
        px[y * w + x] = bg;
        painted[y * w + x] = false;
    }
};

// ---------------------------------------------------------------------------
// Drawing helpers. Shapes given in continuous coordinates test pixel centres
// (x + 0.5, y + 0.5); rectangles and lines take whole pixel positions.

void fillRect(Canvas& c, int x0, int y0, int x1, int y1, Rgb col) {  // inclusive
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            c.set(x, y, col);
}

// A frame `width` pixels thick, inside the rectangle.
void frameRect(Canvas& c, int x0, int y0, int x1, int y1, Rgb col, int width = 1) {  // inclusive
    for (int i = 0; i < width; ++i, ++x0, ++y0, --x1, --y1) {
        for (int x = x0; x <= x1; ++x) {
            c.set(x, y0, col);
            c.set(x, y1, col);
        }
        for (int y = y0; y <= y1; ++y) {
            c.set(x0, y, col);
            c.set(x1, y, col);
        }
    }
}

// A line (Bresenham) drawn with a square brush of `width` pixels that reaches
// right and down from each point: one pixel wide by default.
void line(Canvas& c, int x0, int y0, int x1, int y1, Rgb col, int width = 1) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        for (int by = 0; by < width; ++by)
            for (int bx = 0; bx < width; ++bx)
                c.set(x0 + bx, y0 + by, col);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// Paints every pixel (inside the given box) whose centre satisfies pred.
void fillWhere(Canvas& c, int x0, int y0, int x1, int y1, const std::function<bool(double, double)>& pred, Rgb col) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (pred(x + 0.5, y + 0.5))
                c.set(x, y, col);
}

double segmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    double vx = bx - ax, vy = by - ay;
    double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((px - ax) * vx + (py - ay) * vy) / len2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    double dx = px - (ax + t * vx), dy = py - (ay + t * vy);
    return std::sqrt(dx * dx + dy * dy);
}

// A round-capped stroke of the given radius along a segment.
void thickLine(Canvas& c, double ax, double ay, double bx, double by, double radius, Rgb col) {
    fillWhere(
        c, 0, 0, c.w - 1, c.h - 1,
        [=](double x, double y) { return segmentDistance(x, y, ax, ay, bx, by) <= radius; }, col);
}

void fillCircle(Canvas& c, double cx, double cy, double r, Rgb col) {
    fillWhere(
        c, 0, 0, c.w - 1, c.h - 1,
        [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }, col);
}

struct Pt {
    double x, y;
};

bool inPolygon(const std::vector<Pt>& poly, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Pt& a = poly[i];
        const Pt& b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

void fillPolygon(Canvas& c, const std::vector<Pt>& poly, Rgb col) {
    fillWhere(c, 0, 0, c.w - 1, c.h - 1, [&](double x, double y) { return inPolygon(poly, x, y); }, col);
}

// Lines through whole-pixel points, drawn with line()'s brush; closed joins the
// last point back to the first.
void polyline(Canvas& c, const std::vector<std::pair<int, int>>& pts, Rgb col, bool closed = true, int width = 1) {
    size_t n = closed ? pts.size() : pts.size() - 1;
    for (size_t i = 0; i < n; ++i) {
        const auto& a = pts[i];
        const auto& b = pts[(i + 1) % pts.size()];
        line(c, a.first, a.second, b.first, b.second, col, width);
    }
}

// ---------------------------------------------------------------------------
// A tiny pixel font: each glyph is a list of rows, '#' is ink.

using Glyph = std::vector<std::string>;

// The button words' bold letters (A, d, E, i, t), built from their measures so
// that each size gets whole-pixel stems and bars of its own.
struct LetterMetrics {
    int height;         // A, d, E and i, full height
    int xHeight;        // d's bowl, the body of i and t
    int stem;           // width of the upright strokes
    int bar;            // height of the cross strokes
    int arch;           // rows over which A's top rounds off, one pixel a row
    int aCounter;       // inside width of A
    int aBarTop;        // first row of A's cross bar
    int dCounter;       // inside width of d's bowl
    int eArm;           // E's top and bottom arms beyond the stem
    int eMidArm;        // E's middle arm beyond the stem
    int eMidTop;        // first row of E's middle arm
    int tLeft, tRight;  // t's cross bar either side of the stem
    int tTop;           // first row of t's stem
    int iDot;           // height of i's dot
    int corner;         // the cut off outer corners of d's bowl and t's foot
    int gap;            // between letters
    int outline;        // the dark edge around the word
    int frame;          // the icon's frame
};

Glyph blankGlyph(int w, int h) { return Glyph(h, std::string(w, '.')); }

Glyph letterA(const LetterMetrics& m) {
    const int w = 2 * m.stem + m.aCounter;
    Glyph g = blankGlyph(w, m.height);
    for (int r = 0; r < m.height; ++r) {
        const int inset = std::max(0, m.arch - r);
        for (int c = inset; c < w - inset; ++c)
            if (r < m.bar || c < m.stem || c >= w - m.stem || (r >= m.aBarTop && r < m.aBarTop + m.bar))
                g[r][c] = '#';
    }
    return g;
}

Glyph letterD(const LetterMetrics& m) {
    const int w = 2 * m.stem + m.dCounter;
    const int top = m.height - m.xHeight;
    Glyph g = blankGlyph(w, m.height);
    for (int r = 0; r < m.height; ++r)
        for (int c = 0; c < w; ++c) {
            bool ink = c >= w - m.stem;
            if (r >= top) {
                const bool bowl = c < m.stem || r < top + m.bar || r >= m.height - m.bar;
                const bool cut = c + (r - top) < m.corner || c + (m.height - 1 - r) < m.corner;
                ink = ink || (bowl && !cut);
            }
            if (ink)
                g[r][c] = '#';
        }
    return g;
}

Glyph letterE(const LetterMetrics& m) {
    const int w = m.stem + m.eArm;
    Glyph g = blankGlyph(w, m.height);
    for (int r = 0; r < m.height; ++r)
        for (int c = 0; c < w; ++c)
            if (c < m.stem || r < m.bar || r >= m.height - m.bar ||
                (r >= m.eMidTop && r < m.eMidTop + m.bar && c < m.stem + m.eMidArm))
                g[r][c] = '#';
    return g;
}

Glyph letterI(const LetterMetrics& m) {
    Glyph g = blankGlyph(m.stem, m.height);
    for (int r = 0; r < m.height; ++r)
        if (r < m.iDot || r >= m.height - m.xHeight)
            g[r] = std::string(m.stem, '#');
    return g;
}

Glyph letterT(const LetterMetrics& m) {
    const int w = m.tLeft + m.stem + m.tRight;
    const int top = m.height - m.xHeight;
    Glyph g = blankGlyph(w, m.height);
    for (int r = 0; r < m.height; ++r)
        for (int c = 0; c < w; ++c) {
            const bool cross = r >= top && r < top + m.bar;
            const bool stem = r >= m.tTop && c >= m.tLeft && c < m.tLeft + m.stem;
            const bool foot = r >= m.height - m.bar && c >= m.tLeft;
            const bool cut = c >= m.tLeft && (m.height - 1 - r) + (c - m.tLeft) < m.corner;
            if (cross || ((stem || foot) && !cut))
                g[r][c] = '#';
        }
    return g;
}

// Question marks for the row mark, drawn white on the blue disc: 16, 20, 24
// and 32 pixels.
const Glyph kSmallQuestion = {
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
};
const Glyph kSmallQuestion20 = {
    "..####..",
    ".######.",
    "##....##",
    "##....##",
    ".....##.",
    "....##..",
    "...##...",
    "...##...",
    "........",
    "...##...",
    "...##...",
};
const Glyph kSmallQuestion24 = {
    "..#####..",
    ".#######.",
    "###...###",
    "###...###",
    "......###",
    ".....###.",
    "....###..",
    "...###...",
    "...###...",
    ".........",
    "...###...",
    "...###...",
    "...###...",
};
const Glyph kSmallQuestion32 = {
    "...######...",
    ".##########.",
    "####....####",
    "####....####",
    "........####",
    ".......####.",
    "......####..",
    ".....####...",
    "....####....",
    "....####....",
    "....####....",
    "............",
    "............",
    "....####....",
    "....####....",
    "....####....",
    "....####....",
};

// Question marks for the tool bar's Help, drawn with an edge: for the 16 x 15,
// 20 x 19, 24 x 23 and 32 x 30 images.
const Glyph kToolQuestion = {
    "..####..",
    ".######.",
    "###..###",
    "##....##",
    ".....###",
    "....###.",
    "...###..",
    "...##...",
    "...##...",
    "........",
    "...##...",
    "...##...",
};
const Glyph kToolQuestion20 = {
    "...####...",
    ".########.",
    "###....###",
    "##......##",
    "##......##",
    ".......###",
    "......###.",
    ".....###..",
    "....###...",
    "....##....",
    "....##....",
    "..........",
    "....##....",
    "....##....",
};
const Glyph kToolQuestion24 = {
    "...#####...",
    ".#########.",
    "####...####",
    "###.....###",
    "###.....###",
    "........###",
    ".......###.",
    "......###..",
    ".....###...",
    "....###....",
    "....###....",
    "....###....",
    "...........",
    "....###....",
    "....###....",
    "....###....",
};
const Glyph kToolQuestion32 = {
    ".....######.....",
    "...##########...",
    "..############..",
    ".##############.",
    "######....######",
    "#####......#####",
    "####........####",
    "####........####",
    "..........######",
    ".........######.",
    "........######..",
    ".......######...",
    "......######....",
    "......#####.....",
    "......####......",
    "......####......",
    "......####......",
    "......####......",
    "................",
    "................",
    "......####......",
    "......####......",
    "......####......",
    "......####......",
};

int glyphWidth(const Glyph& g) { return static_cast<int>(g[0].size()); }

void drawGlyph(Canvas& c, const Glyph& g, int x0, int y0, Rgb col) {
    for (size_t y = 0; y < g.size(); ++y)
        for (size_t x = 0; x < g[y].size(); ++x)
            if (g[y][x] == '#')
                c.set(x0 + static_cast<int>(x), y0 + static_cast<int>(y), col);
}

// Draws glyphs with an outline `width` pixels wide all round: every pixel that
// is not ink itself within that distance of ink (a rounded square; a width of 1
// takes the 8 neighbours).
void drawOutlinedGlyphs(Canvas& c, const std::vector<std::pair<const Glyph*, std::pair<int, int>>>& glyphs, Rgb ink, Rgb edge,
                        int width = 1) {
    Canvas mask(c.w, c.h, Rgb{0, 0, 0});
    for (const auto& g : glyphs)
        drawGlyph(mask, *g.first, g.second.first, g.second.second, ink);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            if (mask.isPainted(x, y))
                continue;
            bool near = false;
            for (int dy = -width; dy <= width; ++dy)
                for (int dx = -width; dx <= width; ++dx)
                    near = near || (dx * dx + dy * dy <= width * (width + 1) && mask.isPainted(x + dx, y + dy));
            if (near)
                c.set(x, y, edge);
        }
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            if (mask.isPainted(x, y))
                c.set(x, y, ink);
}

// Lays out a word: letters `gap` pixels apart, centred in the canvas.
void drawWord(Canvas& c, const std::vector<Glyph>& letters, Rgb ink, Rgb edge, int gap, int outline) {
    int width = -gap;
    for (const Glyph& g : letters)
        width += glyphWidth(g) + gap;
    int height = static_cast<int>(letters[0].size());
    int x = (c.w - width) / 2;
    int y = (c.h - height) / 2;
    std::vector<std::pair<const Glyph*, std::pair<int, int>>> placed;
    for (const Glyph& g : letters) {
        placed.push_back({&g, {x, y}});
        x += glyphWidth(g) + gap;
    }
    drawOutlinedGlyphs(c, placed, ink, edge, outline);
}

// Copies src into dst at (ox, oy), keeping the painted flags.
void blit(Canvas& dst, const Canvas& src, int ox, int oy) {
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            if (src.isPainted(x, y))
                dst.set(ox + x, oy + y, src.at(x, y));
}

// ---------------------------------------------------------------------------
// File writers (little-endian, by hand)

struct Bytes {
    std::vector<uint8_t> data;
    void u8(unsigned v) { data.push_back(static_cast<uint8_t>(v)); }
    void u16(unsigned v) {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void u32(uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
};

int rowStride(int bytes) { return (bytes + 3) & ~3; }

// BITMAPINFOHEADER for a 24-bit image; heightField is doubled for icons.
void infoHeader(Bytes& out, int w, int heightField, uint32_t imageSize, bool forIcon) {
    out.u32(40);
    out.u32(static_cast<uint32_t>(w));
    out.u32(static_cast<uint32_t>(heightField));
    out.u16(1);   // planes
    out.u16(24);  // bits per pixel
    out.u32(0);   // BI_RGB
    out.u32(imageSize);
    out.u32(forIcon ? 0 : 2835);  // 72 dpi
    out.u32(forIcon ? 0 : 2835);
    out.u32(0);  // colours used
    out.u32(0);  // important colours
}

// Bottom-up BGR rows, each padded to four bytes. For icons transparent
// pixels are written black, as the AND mask expects.
void pixelRows(Bytes& out, const Canvas& c, bool blackWhereTransparent) {
    int stride = rowStride(c.w * 3);
    for (int y = c.h - 1; y >= 0; --y) {
        for (int x = 0; x < c.w; ++x) {
            Rgb p = c.at(x, y);
            if (blackWhereTransparent && !c.isPainted(x, y))
                p = Rgb{0, 0, 0};
            out.u8(p.b);
            out.u8(p.g);
            out.u8(p.r);
        }
        for (int i = c.w * 3; i < stride; ++i)
            out.u8(0);
    }
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& data) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "imagegen: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        std::fprintf(stderr, "imagegen: error writing %s\n", path.c_str());
    return ok;
}

bool writeBmp(const std::string& path, const Canvas& c) {
    uint32_t imageSize = static_cast<uint32_t>(rowStride(c.w * 3) * c.h);
    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(14 + 40 + imageSize);
    out.u16(0);
    out.u16(0);
    out.u32(14 + 40);
    infoHeader(out, c.w, c.h, imageSize, false);
    pixelRows(out, c, false);
    return writeFile(path, out.data);
}

// An icon file holding one 24-bit image per canvas, each with its AND mask
// (1 = transparent where the canvas was not painted).
bool writeIco(const std::string& path, const std::vector<const Canvas*>& images) {
    std::vector<Bytes> dibs;
    for (const Canvas* c : images) {
        int xorSize = rowStride(c->w * 3) * c->h;
        int andStride = rowStride((c->w + 7) / 8);
        int andSize = andStride * c->h;
        Bytes dib;
        infoHeader(dib, c->w, c->h * 2, static_cast<uint32_t>(xorSize + andSize), true);
        pixelRows(dib, *c, true);
        for (int y = c->h - 1; y >= 0; --y) {
            std::vector<uint8_t> row(andStride, 0);
            for (int x = 0; x < c->w; ++x)
                if (!c->isPainted(x, y))
                    row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            dib.data.insert(dib.data.end(), row.begin(), row.end());
        }
        dibs.push_back(dib);
    }
    Bytes out;
    out.u16(0);  // reserved
    out.u16(1);  // type: icon
    out.u16(static_cast<unsigned>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.u8(images[i]->w >= 256 ? 0 : images[i]->w);
        out.u8(images[i]->h >= 256 ? 0 : images[i]->h);
        out.u8(0);   // colour count: not palettised
        out.u8(0);   // reserved
        out.u16(1);  // planes
        out.u16(24);  // bits per pixel
        out.u32(static_cast<uint32_t>(dibs[i].data.size()));
        out.u32(offset);
        offset += static_cast<uint32_t>(dibs[i].data.size());
    }
    for (const Bytes& d : dibs)
        out.data.insert(out.data.end(), d.data.begin(), d.data.end());
    return writeFile(path, out.data);
}

// ---------------------------------------------------------------------------
// The row marks: eight square images in a strip, white is transparent. Each
// size has its own strokes; the shapes follow the 16-pixel design.

struct MarkSize {
    int size;
    double tickEdge, tickFill;    // the tick's stroke radii: dark edge, light inside
    double crossEdge, crossFill;  // the cross's
    double discRim, discFill;     // the disc's radii: dark rim, light inside
    int barLeft, barWidth;        // the exclamation mark: bar and dot, barWidth wide
    int barTop, barHeight, dotGap;
    const Glyph* question;        // the question mark and where it goes
    int questionLeft, questionTop;
};

const MarkSize kMarkSizes[] = {
    {16, 2.0, 1.1, 2.1, 1.2, 7.45, 6.5, 7, 2, 3, 7, 1, &kSmallQuestion, 5, 4},
    {20, 2.5, 1.5, 2.6, 1.6, 9.45, 8.45, 9, 2, 4, 9, 1, &kSmallQuestion20, 6, 5},
    {24, 3.0, 1.8, 3.1, 1.9, 11.45, 10.3, 10, 3, 4, 11, 2, &kSmallQuestion24, 7, 6},
    {32, 4.0, 2.2, 4.2, 2.4, 15.45, 13.55, 14, 4, 6, 14, 2, &kSmallQuestion32, 10, 8},
};

Canvas markTick(const MarkSize& m) {
    Canvas c(m.size, m.size, kWhite);
    c.whiteIsKey = true;
    const double s = m.size / 16.0;
    const Rgb edge{0, 100, 20}, fill{40, 190, 50};
    thickLine(c, 2.5 * s, 8.5 * s, 6.0 * s, 12.0 * s, m.tickEdge, edge);
    thickLine(c, 6.0 * s, 12.0 * s, 13.5 * s, 3.0 * s, m.tickEdge, edge);
    thickLine(c, 2.5 * s, 8.5 * s, 6.0 * s, 12.0 * s, m.tickFill, fill);
    thickLine(c, 6.0 * s, 12.0 * s, 13.5 * s, 3.0 * s, m.tickFill, fill);
    return c;
}

Canvas markCross(const MarkSize& m) {
    Canvas c(m.size, m.size, kWhite);
    c.whiteIsKey = true;
    const double s = m.size / 16.0;
    const Rgb edge{140, 0, 0}, fill{230, 40, 30};
    thickLine(c, 4.0 * s, 4.0 * s, 12.0 * s, 12.0 * s, m.crossEdge, edge);
    thickLine(c, 12.0 * s, 4.0 * s, 4.0 * s, 12.0 * s, m.crossEdge, edge);
    thickLine(c, 4.0 * s, 4.0 * s, 12.0 * s, 12.0 * s, m.crossFill, fill);
    thickLine(c, 12.0 * s, 4.0 * s, 4.0 * s, 12.0 * s, m.crossFill, fill);
    return c;
}

// A disc with a darker rim, centred in the cell.
void disc(Canvas& c, const MarkSize& m, Rgb rim, Rgb fill) {
    const double centre = m.size / 2.0;
    fillCircle(c, centre, centre, m.discRim, rim);
    fillCircle(c, centre, centre, m.discFill, fill);
}

Canvas markExclamation(const MarkSize& m) {
    Canvas c(m.size, m.size, kWhite);
    c.whiteIsKey = true;
    disc(c, m, Rgb{170, 120, 0}, Rgb{255, 214, 30});
    const Rgb ink{60, 40, 0};
    const int right = m.barLeft + m.barWidth - 1;
    const int dotTop = m.barTop + m.barHeight + m.dotGap;
    fillRect(c, m.barLeft, m.barTop, right, m.barTop + m.barHeight - 1, ink);
    fillRect(c, m.barLeft, dotTop, right, dotTop + m.barWidth - 1, ink);
    return c;
}

Canvas markQuestion(const MarkSize& m) {
    Canvas c(m.size, m.size, kWhite);
    c.whiteIsKey = true;
    disc(c, m, Rgb{10, 50, 140}, Rgb{40, 110, 225});
    drawGlyph(c, *m.question, m.questionLeft, m.questionTop, kNearWhite);
    return c;
}

Canvas marksStrip(const MarkSize& m) {
    Canvas strip(8 * m.size, m.size, kWhite);
    strip.whiteIsKey = true;
    blit(strip, markTick(m), 0, 0);
    blit(strip, markCross(m), m.size, 0);
    blit(strip, markExclamation(m), 2 * m.size, 0);
    blit(strip, markQuestion(m), 3 * m.size, 0);
    // images 4 to 7 stay blank
    return strip;
}

// ---------------------------------------------------------------------------
// The entry panel's background: a vertical gradient, one colour per row.

struct Anchor {
    int row;
    Rgb col;
};

// Piecewise linear between anchors, rounded to nearest, in integers.
std::vector<Rgb> backgroundRows() {
    const std::vector<Anchor> anchors = {
        {0, {255, 255, 255}},  {1, {255, 255, 255}},   // white top
        {2, {248, 252, 254}},  {10, {155, 208, 247}},  // quickly darker
        {21, {97, 182, 242}},  {22, {95, 181, 242}},   // deepest band
        {28, {95, 181, 242}},  {45, {116, 199, 247}},  // slowly lighter
        {66, {146, 216, 251}}, {80, {210, 238, 252}},  // faster lighter
        {93, {253, 254, 255}}, {94, {255, 255, 255}},  // back to white
        {99, {255, 255, 255}},
    };
    std::vector<Rgb> rows(100);
    for (size_t i = 0; i + 1 < anchors.size(); ++i) {
        const Anchor& a = anchors[i];
        const Anchor& b = anchors[i + 1];
        int d = b.row - a.row;
        for (int r = a.row; r <= b.row; ++r) {
            int t = r - a.row;
            auto mix = [d, t](int x, int y) {
                int num = x * d + (y - x) * t;  // never negative
                return static_cast<uint8_t>((2 * num + d) / (2 * d));
            };
            rows[r] = Rgb{mix(a.col.r, b.col.r), mix(a.col.g, b.col.g), mix(a.col.b, b.col.b)};
        }
    }
    return rows;
}

// The rows resampled to `height`: each row takes the colour at its centre,
// blended linearly between the two nearest of the given rows.
std::vector<Rgb> resampleRows(const std::vector<Rgb>& rows, int height) {
    const int n = static_cast<int>(rows.size());
    if (height == n)
        return rows;
    std::vector<Rgb> out(height);
    for (int y = 0; y < height; ++y) {
        double at = (y + 0.5) * n / height - 0.5;
        at = std::min(std::max(at, 0.0), n - 1.0);
        const int i = std::min(static_cast<int>(at), n - 2);
        out[y] = lerp(rows[i], rows[i + 1], at - i);
    }
    return out;
}

Canvas background(const std::vector<Rgb>& rows, int width) {
    Canvas c(width, static_cast<int>(rows.size()), kWhite);
    for (int y = 0; y < c.h; ++y)
        fillRect(c, 0, y, c.w - 1, y, rows[y]);
    return c;
}

bool writeRows(const std::string& path, const std::vector<Rgb>& rows) {
    std::string text;
    char line[64];
    for (size_t i = 0; i < rows.size(); ++i) {
        std::snprintf(line, sizeof line, "%zu %d %d %d\n", i, rows[i].r, rows[i].g, rows[i].b);
        text += line;
    }
    return writeFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// ---------------------------------------------------------------------------
// Tool bar: four images in a strip, white is transparent. The 16 x 15 design's
// points are placed on the larger image's pixels; outlines are `line` pixels
// wide.

struct ToolSize {
    int w, h;
    int line;
    const Glyph* question;  // Help's question mark and where it goes
    int questionLeft, questionTop;

    // Where the design's column or row v begins, and where its last pixel is.
    int x(int v) const { return static_cast<int>(std::lround(v * w / 16.0)); }
    int y(int v) const { return static_cast<int>(std::lround(v * h / 15.0)); }
    int lastX(int v) const { return x(v + 1) - 1; }
    int lastY(int v) const { return y(v + 1) - 1; }
};

const ToolSize kToolSizes[] = {
    {16, 15, 1, &kToolQuestion, 4, 1},
    {20, 19, 1, &kToolQuestion20, 5, 2},
    {24, 23, 1, &kToolQuestion24, 6, 3},
    {32, 30, 2, &kToolQuestion32, 8, 3},
};

Canvas toolNew(const ToolSize& t) {
    Canvas c(t.w, t.h, kWhite);
    c.whiteIsKey = true;
    const Rgb ink{50, 50, 50}, paper = kNearWhite, fold{200, 200, 205};
    const int lw = t.line;
    // the page, with its top right corner folded down
    const int x0 = t.x(3), x1 = t.w - 1 - x0, y0 = t.y(1), y1 = t.h - 1 - y0;
    const int foldSize = t.x(4), foldX = x1 - foldSize + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (x - foldX > y - y0)
                continue;  // cut off corner
            bool border = x < x0 + lw || x > x1 - lw || y < y0 + lw || y > y1 - lw || x - foldX > y - y0 - lw;
            c.set(x, y, border ? ink : paper);
        }
    for (int y = y0; y < y0 + foldSize; ++y)
        for (int x = foldX; x <= x1; ++x)
            if (x - foldX < y - y0)
                c.set(x, y, (x < foldX + lw || y > y0 + foldSize - 1 - lw) ? ink : fold);
    // a few text lines on the page
    for (int y = y0 + foldSize + lw; y + lw - 1 <= y1 - 2 * lw - 1; y += 2 * lw)
        fillRect(c, x0 + lw + 1, y, x1 - lw - 1, y + lw - 1, Rgb{150, 150, 160});
    return c;
}

Canvas toolOpen(const ToolSize& t) {
    Canvas c(t.w, t.h, kWhite);
    c.whiteIsKey = true;
    const Rgb ink{110, 75, 0}, back{215, 165, 40}, front{255, 222, 100};
    const int lw = t.line, e = lw - 1;
    auto at = [&t](int x, int y) { return std::make_pair(t.x(x), t.y(y)); };
    // back of the folder with its tab
    fillRect(c, t.x(1), t.y(2), t.x(5) + e, t.y(3) + e, back);
    fillRect(c, t.x(1), t.y(3), t.x(12) + e, t.y(12) + e, back);
    polyline(c, {at(1, 12), at(1, 2), at(5, 2), at(6, 3), at(12, 3), at(12, 6)}, ink, false, lw);
    // the front flap, swung open, filled up to the middle of its outline
    const double mid = lw / 2.0;
    auto inner = [&](int x, int y) { return Pt{t.x(x) + mid, t.y(y) + mid}; };
    fillPolygon(c, {inner(4, 6), inner(15, 6), inner(12, 12), inner(1, 12)}, front);
    polyline(c, {at(4, 6), at(15, 6), at(12, 12), at(1, 12)}, ink, true, lw);
    return c;
}

Canvas toolSave(const ToolSize& t) {
    Canvas c(t.w, t.h, kWhite);
    c.whiteIsKey = true;
    const Rgb ink{20, 20, 60}, body{50, 70, 160}, metal{195, 198, 210}, label = kNearWhite;
    const int lw = t.line;
    auto box = [&](int x0, int y0, int x1, int y1, Rgb fill, bool framed) {
        fillRect(c, t.x(x0), t.y(y0), t.lastX(x1), t.lastY(y1), fill);
        if (framed)
            frameRect(c, t.x(x0), t.y(y0), t.lastX(x1), t.lastY(y1), ink, lw);
    };
    box(1, 0, 14, 14, body, true);
    // shutter with its slot
    box(4, 0, 11, 5, metal, true);
    box(8, 1, 9, 4, ink, false);
    // label with two or three lines on it
    box(3, 8, 12, 14, label, true);
    const int lx0 = t.x(3), lx1 = t.lastX(12), ly1 = t.lastY(14);
    for (int y = t.y(8) + 2 * lw; y + lw - 1 <= ly1 - 2 * lw; y += 2 * lw)
        fillRect(c, lx0 + lw + 1, y, lx1 - lw - 1, y + lw - 1, Rgb{150, 150, 170});
    // corner notch
    const int right = t.lastX(14), top = t.y(0);
    for (int y = top; y <= top + 2 * lw; ++y)
        for (int x = right - 2 * lw; x <= right; ++x) {
            const int in = (right - x) + (y - top);
            if (in < lw)
                c.erase(x, y);
            else if (in <= 2 * lw)
                c.set(x, y, ink);
        }
    return c;
}

Canvas toolHelp(const ToolSize& t) {
    Canvas c(t.w, t.h, kWhite);
    c.whiteIsKey = true;
    drawOutlinedGlyphs(c, {{t.question, {t.questionLeft, t.questionTop}}}, Rgb{20, 100, 230}, Rgb{0, 35, 110}, t.line);
    return c;
}

Canvas toolbarStrip(const ToolSize& t) {
    Canvas strip(4 * t.w, t.h, kWhite);
    strip.whiteIsKey = true;
    blit(strip, toolNew(t), 0, 0);
    blit(strip, toolOpen(t), t.w, 0);
    blit(strip, toolSave(t), 2 * t.w, 0);
    blit(strip, toolHelp(t), 3 * t.w, 0);
    return strip;
}

// ---------------------------------------------------------------------------
// The program icon: a shopping cart carrying some goods. 16 pixels has a
// design of its own; every other size places the 32-pixel design on its grid.

Canvas cartIcon(int size) {
    Canvas c(size, size, Rgb{0, 0, 0});
    const Rgb frame{45, 45, 55}, basket{215, 45, 40}, basketDark{150, 20, 20};
    const Rgb green{60, 175, 60}, orange{250, 150, 30}, wheel{35, 35, 40}, hub{170, 170, 180};
    if (size != 16) {
        const double s = size / 32.0;
        auto px = [s](int v) { return static_cast<int>(std::lround(v * s)); };
        const int wire = size >= 64 ? 2 : 1;
        // goods peeking out of the basket
        fillCircle(c, 13.5 * s, 8.5 * s, 4.5 * s, Rgb{25, 100, 30});
        fillCircle(c, 13.5 * s, 8.5 * s, 3.6 * s, green);
        fillCircle(c, 21.0 * s, 8.0 * s, 5.0 * s, Rgb{170, 85, 0});
        fillCircle(c, 21.0 * s, 8.0 * s, 4.1 * s, orange);
        // basket
        std::vector<Pt> body = {{7.0 * s, 10.0 * s}, {31.0 * s, 10.0 * s}, {27.0 * s, 22.0 * s}, {10.5 * s, 22.0 * s}};
        fillPolygon(c, body, basketDark);
        std::vector<Pt> inner = {{8.6 * s, 11.0 * s}, {29.6 * s, 11.0 * s}, {26.3 * s, 21.0 * s}, {11.3 * s, 21.0 * s}};
        fillPolygon(c, inner, basket);
        // its wires: fewer on the small images, where four would fill the basket
        const int step = size < 32 ? 6 : 4;
        for (int x = size < 32 ? 15 : 14; x <= 26; x += step)
            line(c, px(x), px(11), px(x - 1), px(20), basketDark, wire);
        line(c, px(10), px(15), px(28), px(15), basketDark, wire);
        // handle and chassis
        thickLine(c, 1.0 * s, 4.5 * s, 5.0 * s, 4.5 * s, 1.0 * s, frame);
        thickLine(c, 5.0 * s, 4.5 * s, 11.0 * s, 24.0 * s, 1.0 * s, frame);
        thickLine(c, 11.0 * s, 24.5 * s, 27.5 * s, 24.5 * s, 1.0 * s, frame);
        // wheels
        fillCircle(c, 13.0 * s, 28.0 * s, 3.0 * s, wheel);
        fillCircle(c, 13.0 * s, 28.0 * s, 1.2 * s, hub);
        fillCircle(c, 25.0 * s, 28.0 * s, 3.0 * s, wheel);
        fillCircle(c, 25.0 * s, 28.0 * s, 1.2 * s, hub);
    } else {
        fillCircle(c, 7.0, 4.5, 2.3, green);
        fillCircle(c, 10.8, 4.3, 2.6, orange);
        std::vector<Pt> body = {{3.5, 5.0}, {16.0, 5.0}, {14.0, 11.0}, {5.5, 11.0}};
        fillPolygon(c, body, basketDark);
        std::vector<Pt> inner = {{5.0, 6.0}, {14.6, 6.0}, {13.3, 10.0}, {6.3, 10.0}};
        fillPolygon(c, inner, basket);
        line(c, 0, 2, 2, 2, frame);
        line(c, 2, 2, 5, 12, frame);
        line(c, 5, 12, 14, 12, frame);
        fillCircle(c, 7.0, 14.0, 1.2, wheel);
        fillCircle(c, 13.0, 14.0, 1.2, wheel);
    }
    return c;
}

// ---------------------------------------------------------------------------
// Button icons: a word on a blue gradient inside a dark blue frame, at 32, 40,
// 48 and 64 pixels, the letters made for each.

struct WordIconSize {
    int size;
    LetterMetrics letters;
};

const WordIconSize kWordIconSizes[] = {
    {32, {11, 8, 3, 2, 2, 3, 5, 2, 4, 3, 4, 1, 2, 1, 2, 1, 1, 1, 1}},
    {40, {14, 10, 4, 3, 3, 4, 6, 3, 5, 4, 5, 1, 3, 2, 3, 1, 1, 1, 1}},
    {48, {17, 12, 5, 3, 3, 4, 8, 3, 6, 5, 6, 2, 3, 2, 3, 1, 1, 1, 1}},
    {64, {22, 16, 6, 4, 4, 6, 10, 4, 8, 6, 8, 2, 4, 2, 4, 2, 2, 2, 2}},
};

Canvas wordIcon(const WordIconSize& icon, const std::vector<Glyph (*)(const LetterMetrics&)>& letters) {
    const int n = icon.size;
    const LetterMetrics& m = icon.letters;
    Canvas c(n, n, kWhite);
    const Rgb top{150, 205, 255}, bottom{25, 85, 200}, frame{0, 20, 100};
    for (int y = 0; y < n; ++y)
        fillRect(c, 0, y, n - 1, y, lerp(top, bottom, y / (n - 1.0)));
    frameRect(c, 0, 0, n - 1, n - 1, frame, m.frame);
    std::vector<Glyph> word;
    for (auto letter : letters)
        word.push_back(letter(m));
    drawWord(c, word, kNearWhite, Rgb{0, 25, 80}, m.gap, m.outline);
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: imagegen <output folder>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = true;

    // The bitmaps, one file a scale: 100 % is NAME.bmp, the others NAME_125.bmp ...
    const int percents[] = {100, 125, 150, 200};
    const std::vector<Rgb> rows = backgroundRows();
    for (int i = 0; i < 4; ++i) {
        const int p = percents[i];
        const std::string suffix = p == 100 ? ".bmp" : "_" + std::to_string(p) + ".bmp";
        ok = writeBmp(dir + "marks" + suffix, marksStrip(kMarkSizes[i])) && ok;
        ok = writeBmp(dir + "background" + suffix, background(resampleRows(rows, 100 * p / 100), 640 * p / 100)) && ok;
        ok = writeBmp(dir + "toolbar" + suffix, toolbarStrip(kToolSizes[i])) && ok;
    }
    ok = writeRows(dir + "background_rows.txt", rows) && ok;

    // The icons, every size in one file, the 100 % images first.
    std::vector<Canvas> carts;
    for (int size : {32, 16, 20, 24, 40, 48, 64})
        carts.push_back(cartIcon(size));
    std::vector<Canvas> adds, edits;
    for (const WordIconSize& icon : kWordIconSizes) {
        adds.push_back(wordIcon(icon, {letterA, letterD, letterD}));
        edits.push_back(wordIcon(icon, {letterE, letterD, letterI, letterT}));
    }
    auto pointers = [](const std::vector<Canvas>& images) {
        std::vector<const Canvas*> out;
        for (const Canvas& c : images)
            out.push_back(&c);
        return out;
    };
    ok = writeIco(dir + "gromble.ico", pointers(carts)) && ok;
    ok = writeIco(dir + "add.ico", pointers(adds)) && ok;
    ok = writeIco(dir + "edit.ico", pointers(edits)) && ok;

    return ok ? 0 : 1;
}
