// imagegen: draws Gromble's bitmaps and icons and writes them as BMP and ICO
// files. A plain host program without libraries; run it through generate.sh.
// The output is deterministic and is committed to src/res/images/, so the
// normal build never needs this program.
//
// usage: imagegen <output folder>

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

void frameRect(Canvas& c, int x0, int y0, int x1, int y1, Rgb col) {  // inclusive
    for (int x = x0; x <= x1; ++x) {
        c.set(x, y0, col);
        c.set(x, y1, col);
    }
    for (int y = y0; y <= y1; ++y) {
        c.set(x0, y, col);
        c.set(x1, y, col);
    }
}

// One-pixel line (Bresenham).
void line(Canvas& c, int x0, int y0, int x1, int y1, Rgb col) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        c.set(x0, y0, col);
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

// One-pixel lines through whole-pixel points; closed joins the last point
// back to the first.
void polyline(Canvas& c, const std::vector<std::pair<int, int>>& pts, Rgb col, bool closed = true) {
    size_t n = closed ? pts.size() : pts.size() - 1;
    for (size_t i = 0; i < n; ++i) {
        const auto& a = pts[i];
        const auto& b = pts[(i + 1) % pts.size()];
        line(c, a.first, a.second, b.first, b.second, col);
    }
}

// ---------------------------------------------------------------------------
// A tiny pixel font: each glyph is a list of rows, '#' is ink.

using Glyph = std::vector<std::string>;

// Bold letters, 11 rows tall, strokes 2-3 pixels wide, for the button icons.
const Glyph kBoldA = {
    "..#####..",
    ".#######.",
    "###...###",
    "###...###",
    "###...###",
    "#########",
    "#########",
    "###...###",
    "###...###",
    "###...###",
    "###...###",
};
const Glyph kBoldD = {
    ".....###",
    ".....###",
    ".....###",
    ".#######",
    "########",
    "###..###",
    "###..###",
    "###..###",
    "###..###",
    "########",
    ".#######",
};
const Glyph kBoldE = {
    "#######",
    "#######",
    "###....",
    "###....",
    "######.",
    "######.",
    "###....",
    "###....",
    "###....",
    "#######",
    "#######",
};
const Glyph kBoldI = {
    "###",
    "###",
    "...",
    "###",
    "###",
    "###",
    "###",
    "###",
    "###",
    "###",
    "###",
};
const Glyph kBoldT = {
    "......",
    ".###..",
    ".###..",
    "######",
    "######",
    ".###..",
    ".###..",
    ".###..",
    ".###..",
    ".#####",
    "..####",
};

// Small question mark for the 16 x 16 row mark.
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

// Larger question mark for the tool bar.
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

int glyphWidth(const Glyph& g) { return static_cast<int>(g[0].size()); }

void drawGlyph(Canvas& c, const Glyph& g, int x0, int y0, Rgb col) {
    for (size_t y = 0; y < g.size(); ++y)
        for (size_t x = 0; x < g[y].size(); ++x)
            if (g[y][x] == '#')
                c.set(x0 + static_cast<int>(x), y0 + static_cast<int>(y), col);
}

// Draws glyphs with a one-pixel outline all round (the 8 neighbours of every
// ink pixel that is not ink itself).
void drawOutlinedGlyphs(Canvas& c, const std::vector<std::pair<const Glyph*, std::pair<int, int>>>& glyphs, Rgb ink, Rgb edge) {
    Canvas mask(c.w, c.h, Rgb{0, 0, 0});
    for (const auto& g : glyphs)
        drawGlyph(mask, *g.first, g.second.first, g.second.second, ink);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            if (mask.isPainted(x, y))
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    near = near || mask.isPainted(x + dx, y + dy);
            if (near)
                c.set(x, y, edge);
        }
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            if (mask.isPainted(x, y))
                c.set(x, y, ink);
}

// Lays out a word: letters with a one-pixel gap, centred in the canvas.
void drawWord(Canvas& c, const std::vector<const Glyph*>& letters, Rgb ink, Rgb edge) {
    const int gap = 1;
    int width = -gap;
    for (const Glyph* g : letters)
        width += glyphWidth(*g) + gap;
    int height = static_cast<int>(letters[0]->size());
    int x = (c.w - width) / 2;
    int y = (c.h - height) / 2;
    std::vector<std::pair<const Glyph*, std::pair<int, int>>> placed;
    for (const Glyph* g : letters) {
        placed.push_back({g, {x, y}});
        x += glyphWidth(*g) + gap;
    }
    drawOutlinedGlyphs(c, placed, ink, edge);
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
// The row marks: eight 16 x 16 images, white is transparent.

Canvas markTick() {
    Canvas c(16, 16, kWhite);
    c.whiteIsKey = true;
    const Rgb edge{0, 100, 20}, fill{40, 190, 50};
    thickLine(c, 2.5, 8.5, 6.0, 12.0, 2.0, edge);
    thickLine(c, 6.0, 12.0, 13.5, 3.0, 2.0, edge);
    thickLine(c, 2.5, 8.5, 6.0, 12.0, 1.1, fill);
    thickLine(c, 6.0, 12.0, 13.5, 3.0, 1.1, fill);
    return c;
}

Canvas markCross() {
    Canvas c(16, 16, kWhite);
    c.whiteIsKey = true;
    const Rgb edge{140, 0, 0}, fill{230, 40, 30};
    thickLine(c, 4.0, 4.0, 12.0, 12.0, 2.1, edge);
    thickLine(c, 12.0, 4.0, 4.0, 12.0, 2.1, edge);
    thickLine(c, 4.0, 4.0, 12.0, 12.0, 1.2, fill);
    thickLine(c, 12.0, 4.0, 4.0, 12.0, 1.2, fill);
    return c;
}

// A disc with a darker rim, centred in a 16 x 16 cell.
void disc(Canvas& c, Rgb rim, Rgb fill) {
    fillCircle(c, 8.0, 8.0, 7.45, rim);
    fillCircle(c, 8.0, 8.0, 6.5, fill);
}

Canvas markExclamation() {
    Canvas c(16, 16, kWhite);
    c.whiteIsKey = true;
    disc(c, Rgb{170, 120, 0}, Rgb{255, 214, 30});
    const Rgb ink{60, 40, 0};
    fillRect(c, 7, 3, 8, 9, ink);
    fillRect(c, 7, 11, 8, 12, ink);
    return c;
}

Canvas markQuestion() {
    Canvas c(16, 16, kWhite);
    c.whiteIsKey = true;
    disc(c, Rgb{10, 50, 140}, Rgb{40, 110, 225});
    drawGlyph(c, kSmallQuestion, 5, 4, kNearWhite);
    return c;
}

Canvas marksStrip() {
    Canvas strip(128, 16, kWhite);
    strip.whiteIsKey = true;
    blit(strip, markTick(), 0, 0);
    blit(strip, markCross(), 16, 0);
    blit(strip, markExclamation(), 32, 0);
    blit(strip, markQuestion(), 48, 0);
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

Canvas background(const std::vector<Rgb>& rows) {
    Canvas c(640, static_cast<int>(rows.size()), kWhite);
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
// Tool bar: four 16 x 15 images, white is transparent.

Canvas toolNew() {
    Canvas c(16, 15, kWhite);
    c.whiteIsKey = true;
    const Rgb ink{50, 50, 50}, paper = kNearWhite, fold{200, 200, 205};
    // page x 3..12, y 1..13, with the top right corner folded at 4 pixels
    for (int y = 1; y <= 13; ++y)
        for (int x = 3; x <= 12; ++x) {
            if (x - 9 > y - 1)
                continue;  // cut off corner
            bool border = x == 3 || x == 12 || y == 1 || y == 13 || x - 9 == y - 1;
            c.set(x, y, border ? ink : paper);
        }
    for (int y = 1; y <= 4; ++y)
        for (int x = 9; x <= 12; ++x)
            if (x - 9 < y - 1)
                c.set(x, y, (x == 9 || y == 4) ? ink : fold);
    // a few text lines on the page
    for (int y = 6; y <= 11; y += 2)
        line(c, 5, y, 10, y, Rgb{150, 150, 160});
    return c;
}

Canvas toolOpen() {
    Canvas c(16, 15, kWhite);
    c.whiteIsKey = true;
    const Rgb ink{110, 75, 0}, back{215, 165, 40}, front{255, 222, 100};
    // back of the folder with its tab
    fillRect(c, 1, 2, 5, 3, back);
    fillRect(c, 1, 3, 12, 12, back);
    polyline(c, {{1, 12}, {1, 2}, {5, 2}, {6, 3}, {12, 3}, {12, 6}}, ink, false);
    // the front flap, swung open
    std::vector<Pt> flap = {{4.5, 6.5}, {15.5, 6.5}, {12.5, 12.5}, {1.5, 12.5}};
    fillPolygon(c, flap, front);
    polyline(c, {{4, 6}, {15, 6}, {12, 12}, {1, 12}}, ink);
    return c;
}

Canvas toolSave() {
    Canvas c(16, 15, kWhite);
    c.whiteIsKey = true;
    const Rgb ink{20, 20, 60}, body{50, 70, 160}, metal{195, 198, 210}, label = kNearWhite;
    fillRect(c, 1, 0, 14, 14, body);
    frameRect(c, 1, 0, 14, 14, ink);
    // shutter with its slot
    fillRect(c, 4, 0, 11, 5, metal);
    frameRect(c, 4, 0, 11, 5, ink);
    fillRect(c, 8, 1, 9, 4, ink);
    // label
    fillRect(c, 3, 8, 12, 14, label);
    frameRect(c, 3, 8, 12, 14, ink);
    line(c, 5, 10, 10, 10, Rgb{150, 150, 170});
    line(c, 5, 12, 10, 12, Rgb{150, 150, 170});
    // corner notch
    c.erase(14, 0);
    c.set(13, 1, ink);
    return c;
}

Canvas toolHelp() {
    Canvas c(16, 15, kWhite);
    c.whiteIsKey = true;
    drawOutlinedGlyphs(c, {{&kToolQuestion, {4, 1}}}, Rgb{20, 100, 230}, Rgb{0, 35, 110});
    return c;
}

Canvas toolbarStrip() {
    Canvas strip(64, 15, kWhite);
    strip.whiteIsKey = true;
    blit(strip, toolNew(), 0, 0);
    blit(strip, toolOpen(), 16, 0);
    blit(strip, toolSave(), 32, 0);
    blit(strip, toolHelp(), 48, 0);
    return strip;
}

// ---------------------------------------------------------------------------
// The program icon: a shopping cart carrying some goods.

Canvas cartIcon(int size) {
    Canvas c(size, size, Rgb{0, 0, 0});
    const Rgb frame{45, 45, 55}, basket{215, 45, 40}, basketDark{150, 20, 20};
    const Rgb green{60, 175, 60}, orange{250, 150, 30}, wheel{35, 35, 40}, hub{170, 170, 180};
    if (size == 32) {
        // goods peeking out of the basket
        fillCircle(c, 13.5, 8.5, 4.5, Rgb{25, 100, 30});
        fillCircle(c, 13.5, 8.5, 3.6, green);
        fillCircle(c, 21.0, 8.0, 5.0, Rgb{170, 85, 0});
        fillCircle(c, 21.0, 8.0, 4.1, orange);
        // basket
        std::vector<Pt> body = {{7.0, 10.0}, {31.0, 10.0}, {27.0, 22.0}, {10.5, 22.0}};
        fillPolygon(c, body, basketDark);
        std::vector<Pt> inner = {{8.6, 11.0}, {29.6, 11.0}, {26.3, 21.0}, {11.3, 21.0}};
        fillPolygon(c, inner, basket);
        for (int x = 14; x <= 26; x += 4)
            line(c, x, 11, x - 1, 20, basketDark);
        line(c, 10, 15, 28, 15, basketDark);
        // handle and chassis
        thickLine(c, 1.0, 4.5, 5.0, 4.5, 1.0, frame);
        thickLine(c, 5.0, 4.5, 11.0, 24.0, 1.0, frame);
        thickLine(c, 11.0, 24.5, 27.5, 24.5, 1.0, frame);
        // wheels
        fillCircle(c, 13.0, 28.0, 3.0, wheel);
        fillCircle(c, 13.0, 28.0, 1.2, hub);
        fillCircle(c, 25.0, 28.0, 3.0, wheel);
        fillCircle(c, 25.0, 28.0, 1.2, hub);
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
// Button icons: a word on a blue gradient inside a dark blue frame.

Canvas wordIcon(const std::vector<const Glyph*>& letters) {
    Canvas c(32, 32, kWhite);
    const Rgb top{150, 205, 255}, bottom{25, 85, 200}, frame{0, 20, 100};
    for (int y = 0; y < 32; ++y)
        fillRect(c, 0, y, 31, y, lerp(top, bottom, y / 31.0));
    frameRect(c, 0, 0, 31, 31, frame);
    drawWord(c, letters, kNearWhite, Rgb{0, 25, 80});
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

    ok = writeBmp(dir + "marks.bmp", marksStrip()) && ok;

    std::vector<Rgb> rows = backgroundRows();
    ok = writeBmp(dir + "background.bmp", background(rows)) && ok;
    ok = writeRows(dir + "background_rows.txt", rows) && ok;

    ok = writeBmp(dir + "toolbar.bmp", toolbarStrip()) && ok;

    Canvas big = cartIcon(32), small = cartIcon(16);
    ok = writeIco(dir + "gromble.ico", {&big, &small}) && ok;

    Canvas add = wordIcon({&kBoldA, &kBoldD, &kBoldD});
    ok = writeIco(dir + "add.ico", {&add}) && ok;
    Canvas edit = wordIcon({&kBoldE, &kBoldD, &kBoldI, &kBoldT});
    ok = writeIco(dir + "edit.ico", {&edit}) && ok;

    return ok ? 0 : 1;
}
