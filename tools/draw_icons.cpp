// Redraws the tray/window icons: resources/disc_red.ico and resources/disc_green.ico.
//
//   g++ -std=c++17 -O2 tools/draw_icons.cpp -o draw_icons && ./draw_icons resources/
//
// The generated files are committed; this program is kept so they can be redrawn
// after a design change. Its output is byte-for-byte reproducible: nothing depends
// on the clock, randomness or the environment, and the geometry uses only + - * /
// on doubles (no libm trigonometry, whose last bits differ between C libraries).
// It needs no library either: the few PNG images are compressed by the small
// encoder below rather than by zlib, whose output may change between versions.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Pt {
    double x, y;
};

// A contour set filled with the even-odd rule, so a letter's counter is just a
// second contour inside the first.
struct Shape {
    std::vector<std::vector<Pt>> contours;
};

bool insideShape(const Shape& s, double px, double py) {
    bool in = false;
    for (const auto& c : s.contours) {
        const size_t n = c.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const Pt& a = c[i];
            const Pt& b = c[j];
            if ((a.y > py) != (b.y > py)) {
                const double xCross = a.x + (py - a.y) * (b.x - a.x) / (b.y - a.y);
                if (px < xCross) in = !in;
            }
        }
    }
    return in;
}

// Quarter circle, 0..90 degrees in 11.25 degree steps. Literal values rather than
// std::cos so that every C library produces the same polygons.
const double kArcCos[9] = {1.0,
                           0.98078528040323043,
                           0.92387953251128674,
                           0.83146961230254524,
                           0.70710678118654752,
                           0.55557023301960218,
                           0.38268343236508977,
                           0.19509032201612826,
                           0.0};

// Appends a quarter circle of radius r around (cx, cy), y growing downwards:
// q = 0 runs from the top to the right, q = 1 from the right to the bottom.
void appendArc(std::vector<Pt>& out, double cx, double cy, double r, int q) {
    for (int i = 0; i <= 8; ++i) {
        const double c = kArcCos[i], s = kArcCos[8 - i];
        if (q == 0)
            out.push_back({cx + r * s, cy - r * c});
        else
            out.push_back({cx + r * c, cy + r * s});
    }
}

// Letter D: a stem plus a bowl whose right corners are rounded; the counter is
// the same outline shrunk by the stroke.
Shape letterD(double x0, double y0, double w, double h, double sv, double sh, double rc) {
    Shape s;
    std::vector<Pt> outer;
    outer.push_back({x0, y0});
    appendArc(outer, x0 + w - rc, y0 + rc, rc, 0);
    appendArc(outer, x0 + w - rc, y0 + h - rc, rc, 1);
    outer.push_back({x0, y0 + h});
    s.contours.push_back(outer);

    const double ri = std::max(0.0, rc - std::min(sv, sh));
    const double ix0 = x0 + sv, iy0 = y0 + sh, ix1 = x0 + w - sv, iy1 = y0 + h - sh;
    std::vector<Pt> inner;
    inner.push_back({ix0, iy0});
    if (ri > 0) {
        appendArc(inner, ix1 - ri, iy0 + ri, ri, 0);
        appendArc(inner, ix1 - ri, iy1 - ri, ri, 1);
    } else {
        inner.push_back({ix1, iy0});
        inner.push_back({ix1, iy1});
    }
    inner.push_back({ix0, iy1});
    s.contours.push_back(inner);
    return s;
}

// Letter V: two arms that stay upright for the top `straight` part and then
// converge on a flat foot, so the strokes keep their weight at small sizes.
Shape letterV(double x0, double y0, double w, double h, double sv, double straight, double foot) {
    Shape s;
    const double xm = x0 + w / 2;
    const double yb = y0 + h;
    const double ys = y0 + straight;
    // Inner apex: where the inner edges of the two arms meet.
    const double innerY = std::min(ys + (w / 2 - sv) * (h - straight) / (w / 2 - foot / 2), yb - sv * 0.5);
    std::vector<Pt> c = {{x0, y0},
                         {x0 + sv, y0},
                         {x0 + sv, ys},
                         {xm, std::max(ys, innerY)},
                         {x0 + w - sv, ys},
                         {x0 + w - sv, y0},
                         {x0 + w, y0},
                         {x0 + w, ys},
                         {xm + foot / 2, yb},
                         {xm - foot / 2, yb},
                         {x0, ys}};
    s.contours.push_back(c);
    return s;
}

// Tiny bitmap font for the sizes where a vector outline cannot beat whole pixels.
Shape bitmapGlyph(const char* rows[], int nRows, double x0, double y0) {
    Shape s;
    for (int r = 0; r < nRows; ++r)
        for (int c = 0; rows[r][c]; ++c)
            if (rows[r][c] == '#') {
                const double x = x0 + c, y = y0 + r;
                s.contours.push_back({{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}});
            }
    return s;
}

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct DiscColours {
    Rgb base;  // the disc's data area
    Rgb rim;   // outer edge, keeps the disc readable on a light taskbar
};

constexpr Rgb rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

const DiscColours kRed{rgb255(216, 38, 38), rgb255(128, 16, 16)};
const DiscColours kGreen{rgb255(40, 170, 64), rgb255(18, 100, 36)};

// Hand-tuned per size: letters sit on whole pixels, which matters far more for
// legibility at 16-32 px than exact proportions do. The label sits just below
// the centre hole so the hole stays visible at every size.
struct Layout {
    int size;
    double radius;      // disc
    double holeRadius;  // transparent centre
    double hubRadius;   // clear plastic clamping area
    double rimWidth;
    int textTop;        // letters' box, in whole pixels
    int textHeight;
    int stroke;         // vertical stem width
    int strokeH;        // horizontal bar height
    int widthD, widthV, gap;
    double labelPad;    // white label around the letters
    int font;           // 0 = vector outlines, 1/2 = pixel fonts
};

const Layout kLayouts[] = {
    // size radius hole  hub   rim   top h  sv sh  wD wV gap pad font
    {16, 8.0, 1.5, 3.2, 1.0, 11, 5, 1, 1, 3, 5, 1, 1.0, 1},
    {20, 10.0, 1.6, 4.0, 1.0, 13, 6, 1, 1, 4, 5, 1, 1.0, 2},
    {24, 12.0, 2.0, 4.9, 1.0, 16, 7, 2, 2, 6, 7, 1, 1.0, 0},
    {32, 16.0, 2.6, 6.5, 1.0, 21, 9, 2, 2, 8, 9, 1, 1.0, 0},
    {40, 20.0, 3.2, 8.1, 1.25, 27, 11, 2, 2, 10, 11, 2, 2.0, 0},
    {48, 24.0, 3.9, 9.7, 1.5, 32, 13, 3, 2, 12, 13, 2, 2.0, 0},
    {64, 32.0, 5.2, 13.0, 2.0, 42, 17, 4, 3, 16, 17, 3, 3.0, 0},
};

// Pixel fonts, one per small size; '#' is ink.
const char* kPixD1[] = {"##.", "#.#", "#.#", "#.#", "##."};
const char* kPixV1[] = {"#...#", "#...#", ".#.#.", ".#.#.", "..#.."};
const char* kPixD2[] = {"###.", "#..#", "#..#", "#..#", "#..#", "###."};
const char* kPixV2[] = {"#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."};

struct Letters {
    std::vector<Shape> ink;
    double x0, y0, x1, y1;  // label rectangle
    double labelRadius;
};

Letters buildLetters(const Layout& L) {
    Letters out;
    const int total = 2 * L.widthD + L.widthV + 2 * L.gap;
    const int left = (L.size - total + 1) / 2;
    const int top = L.textTop;
    const int xV = left + L.widthD + L.gap;
    const int xD2 = xV + L.widthV + L.gap;
    if (L.font != 0) {
        const char** d = L.font == 1 ? kPixD1 : kPixD2;
        const char** v = L.font == 1 ? kPixV1 : kPixV2;
        out.ink.push_back(bitmapGlyph(d, L.textHeight, left, top));
        out.ink.push_back(bitmapGlyph(v, L.textHeight, xV, top));
        out.ink.push_back(bitmapGlyph(d, L.textHeight, xD2, top));
    } else {
        const double rc = std::min(L.widthD * 0.6, L.textHeight * 0.45);
        const double straight = L.textHeight * 0.3;
        const double foot = L.stroke;
        out.ink.push_back(letterD(left, top, L.widthD, L.textHeight, L.stroke, L.strokeH, rc));
        out.ink.push_back(letterV(xV, top, L.widthV, L.textHeight, L.stroke + 0.25, straight, foot));
        out.ink.push_back(letterD(xD2, top, L.widthD, L.textHeight, L.stroke, L.strokeH, rc));
    }
    out.x0 = left - L.labelPad;
    out.y0 = top - L.labelPad;
    out.x1 = left + total + L.labelPad;
    out.y1 = top + L.textHeight + L.labelPad;
    out.labelRadius = L.labelPad * 1.5;
    return out;
}

bool insideLabel(const Letters& t, double px, double py) {
    if (px < t.x0 || px > t.x1 || py < t.y0 || py > t.y1) return false;
    const double r = t.labelRadius;
    const double cx = std::clamp(px, t.x0 + r, t.x1 - r);
    const double cy = std::clamp(py, t.y0 + r, t.y1 - r);
    const double dx = px - cx, dy = py - cy;
    return dx * dx + dy * dy <= r * r;
}

struct Rgba {
    double r, g, b, a;  // straight alpha, 0..1 colour, 0..1 alpha
};

const Rgb kWhite = {1.0, 1.0, 1.0};
const Rgb kLetter = {0.09, 0.25, 0.80};
const Rgb kLabel = {1.0, 1.0, 1.0};
const Rgb kHubTint = {0.90, 0.91, 0.93};
// Strongest whitening of the highlight; subtle on purpose.
constexpr double kSheen = 0.42;

Rgb holeEdgeColour(const DiscColours& d) { return mix(d.rim, kHubTint, 0.25); }
Rgb hubColour(const DiscColours& d) { return mix(d.base, kHubTint, 0.55); }

Rgba scene(const Layout& L, const Letters& letters, const DiscColours& disc, double px, double py) {
    if (insideLabel(letters, px, py)) {
        for (const auto& s : letters.ink)
            if (insideShape(s, px, py)) return {kLetter.r, kLetter.g, kLetter.b, 1.0};
        return {kLabel.r, kLabel.g, kLabel.b, 1.0};
    }

    const double c = L.size / 2.0;
    const double dx = px - c, dy = py - c;
    const double r2 = dx * dx + dy * dy;
    const double R = L.radius;
    if (r2 > R * R || r2 < L.holeRadius * L.holeRadius) return {0, 0, 0, 0};

    const double rimIn = R - L.rimWidth;
    if (r2 >= rimIn * rimIn) return {disc.rim.r, disc.rim.g, disc.rim.b, 1.0};

    // The hub is the clear part of a real disc: a pale tint of the disc colour,
    // with a thin edge around the hole so the hole reads as a hole.
    const double holeEdge = L.holeRadius + L.rimWidth * 0.75;
    if (r2 <= holeEdge * holeEdge) {
        const Rgb e = holeEdgeColour(disc);
        return {e.r, e.g, e.b, 1.0};
    }
    if (r2 <= L.hubRadius * L.hubRadius) {
        const Rgb h = hubColour(disc);
        return {h.r, h.g, h.b, 1.0};
    }

    // Sheen along the top-left / bottom-right diagonal, as light catches the
    // tracks of a real disc. 2*dx*dy/r^2 is cos(2*(angle - 45 degrees)).
    double lobe = 2.0 * dx * dy / r2;
    if (lobe < 0) lobe = 0;
    const double sheen = kSheen * lobe * lobe * lobe;
    const Rgb col = mix(disc.base, kWhite, sheen);
    return {col.r, col.g, col.b, 1.0};
}

// 16x16 samples per pixel: fine enough that an edge's coverage is accurate to
// about one 8-bit step.
constexpr int kSub = 16;

struct Image {
    int size;
    std::vector<uint8_t> bgra;  // top-down rows, straight alpha
};

uint8_t toByte(double v) {
    const double s = v * 255.0 + 0.5;
    if (s <= 0) return 0;
    if (s >= 255) return 255;
    return static_cast<uint8_t>(s);
}

Image render(const Layout& L, const DiscColours& disc) {
    const Letters letters = buildLetters(L);
    Image img{L.size, std::vector<uint8_t>(static_cast<size_t>(L.size) * L.size * 4, 0)};
    for (int y = 0; y < L.size; ++y) {
        for (int x = 0; x < L.size; ++x) {
            double ar = 0, ag = 0, ab = 0, aa = 0;  // premultiplied sums
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double px = x + (sx + 0.5) / kSub;
                    const double py = y + (sy + 0.5) / kSub;
                    const Rgba c = scene(L, letters, disc, px, py);
                    ar += c.r * c.a;
                    ag += c.g * c.a;
                    ab += c.b * c.a;
                    aa += c.a;
                }
            }
            uint8_t* p = &img.bgra[(static_cast<size_t>(y) * L.size + x) * 4];
            const uint8_t alpha = toByte(aa / (kSub * kSub));
            // Fully transparent pixels stay black: programs that ignore alpha XOR the
            // colour onto the screen wherever the AND mask is set.
            if (alpha == 0) continue;
            p[0] = toByte(ab / aa);
            p[1] = toByte(ag / aa);
            p[2] = toByte(ar / aa);
            p[3] = alpha;
        }
    }
    return img;
}

struct Rgb8 {
    uint8_t r, g, b;
};

Rgb8 quantise(Rgb c) { return {toByte(c.r), toByte(c.g), toByte(c.b)}; }

// Fixed palette for the classic 8-bit image. The 6x6x6 colour cube covers
// everything in general; the extra entries are the shades the drawing really
// uses (each disc's sheen ramp, rim, hub and hole edge, and the letters), so
// the 256-colour image keeps its smooth highlight instead of banding. Index 0
// is black, which is what transparent pixels hold.
std::vector<Rgb8> classicPalette() {
    std::vector<Rgb8> p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.push_back({static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51), static_cast<uint8_t>(b * 51)});
    for (const DiscColours* d : {&kRed, &kGreen}) {
        for (int k = 0; k <= 11; ++k) p.push_back(quantise(mix(d->base, kWhite, kSheen * k / 11)));
        p.push_back(quantise(mix(d->base, kWhite, 0.5)));
        p.push_back(quantise(mix(d->base, kWhite, 0.75)));
        p.push_back(quantise(hubColour(*d)));
        p.push_back(quantise(d->rim));
        p.push_back(quantise(holeEdgeColour(*d)));
    }
    p.push_back(quantise(kLetter));
    p.push_back(quantise(mix(kLetter, kLabel, 0.5)));
    if (p.size() > 256) {
        std::fprintf(stderr, "draw_icons: classic palette has %zu entries\n", p.size());
        std::exit(1);
    }
    p.resize(256, Rgb8{0, 0, 0});
    return p;
}

int nearest(const std::vector<Rgb8>& pal, int r, int g, int b) {
    int best = 0;
    int bestD = 1 << 30;
    for (size_t i = 0; i < pal.size(); ++i) {
        const int dr = pal[i].r - r, dg = pal[i].g - g, db = pal[i].b - b;
        // Weighted so the choice follows perceived brightness, not raw distance.
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(x & 0xff);
    v.push_back((x >> 8) & 0xff);
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back((x >> (8 * i)) & 0xff);
}

void putInfoHeader(std::vector<uint8_t>& v, int size, int bits, uint32_t imageBytes, uint32_t colours) {
    put32(v, 40);
    put32(v, static_cast<uint32_t>(size));
    put32(v, static_cast<uint32_t>(size * 2));  // icons count the AND mask in the height
    put16(v, 1);
    put16(v, static_cast<uint16_t>(bits));
    put32(v, 0);  // BI_RGB
    put32(v, imageBytes);
    put32(v, 0);
    put32(v, 0);
    put32(v, colours);
    put32(v, 0);
}

// AND mask, 1 bit per pixel, bottom-up, rows padded to 32 bits; a set bit means
// "show the background".
void putMask(std::vector<uint8_t>& v, int size, const std::vector<bool>& transparent) {
    const int stride = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < size; ++x)
            if (transparent[static_cast<size_t>(y) * size + x]) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        v.insert(v.end(), row.begin(), row.end());
    }
}

std::vector<uint8_t> dib32(const Image& img) {
    const int n = img.size;
    const uint32_t maskBytes = ((n + 31) / 32) * 4 * n;
    std::vector<uint8_t> v;
    putInfoHeader(v, n, 32, n * n * 4 + maskBytes, 0);
    std::vector<bool> transparent(static_cast<size_t>(n) * n);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            const uint8_t* p = &img.bgra[(static_cast<size_t>(y) * n + x) * 4];
            v.insert(v.end(), p, p + 4);
        }
    for (size_t i = 0; i < transparent.size(); ++i) transparent[i] = img.bgra[i * 4 + 3] == 0;
    putMask(v, n, transparent);
    return v;
}

// The 256-colour image only has the 1-bit mask, so partly covered edge pixels
// are either kept (at their unblended colour) or dropped.
std::vector<uint8_t> dib8(const Image& img) {
    const int n = img.size;
    const std::vector<Rgb8> pal = classicPalette();
    const int stride = ((n + 3) / 4) * 4;
    const uint32_t maskBytes = ((n + 31) / 32) * 4 * n;
    std::vector<uint8_t> v;
    putInfoHeader(v, n, 8, stride * n + maskBytes, 256);
    for (int i = 0; i < 256; ++i) {
        const Rgb8 c = pal[i];
        v.push_back(c.b);
        v.push_back(c.g);
        v.push_back(c.r);
        v.push_back(0);
    }
    std::vector<bool> transparent(static_cast<size_t>(n) * n);
    std::vector<uint8_t> index(static_cast<size_t>(n) * n, 0);
    for (int i = 0; i < n * n; ++i) {
        const uint8_t* p = &img.bgra[static_cast<size_t>(i) * 4];
        transparent[i] = p[3] < 128;
        if (!transparent[i]) index[i] = static_cast<uint8_t>(nearest(pal, p[2], p[1], p[0]));
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < n; ++x) row[x] = index[static_cast<size_t>(y) * n + x];
        v.insert(v.end(), row.begin(), row.end());
    }
    putMask(v, n, transparent);
    return v;
}

// ---- PNG entries ----
// From Vista on, an icon entry may hold a PNG file instead of a DIB. The large images are
// mostly flat colour and shrink to about a sixth that way, which matters because the
// program carries both icons inside its executable. The small sizes stay DIBs: every
// icon reader understands those, and they are small already.
constexpr int kSmallestPng = 40;

uint32_t crc32(const uint8_t* p, size_t n) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t adler32(const std::vector<uint8_t>& v) {
    uint32_t a = 1, b = 0;
    for (uint8_t x : v) {
        a = (a + x) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// Deflate bits go out least significant first; Huffman codes most significant first.
struct BitWriter {
    std::vector<uint8_t> out;
    uint32_t acc = 0;
    int used = 0;

    void bits(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            acc |= ((value >> i) & 1u) << used;
            if (++used == 8) flush();
        }
    }
    void code(uint32_t value, int length) {
        for (int i = length - 1; i >= 0; --i) bits(value >> i, 1);
    }
    void flush() {
        out.push_back(static_cast<uint8_t>(acc));
        acc = 0;
        used = 0;
    }
};

// RFC 1951's fixed Huffman code: with images this size, sending a tailored code would
// cost more bytes than it saves.
void putLiteral(BitWriter& w, int sym) {
    if (sym < 144)
        w.code(0x30 + sym, 8);
    else if (sym < 256)
        w.code(0x190 + sym - 144, 9);
    else if (sym < 280)
        w.code(sym - 256, 7);
    else
        w.code(0xC0 + sym - 280, 8);
}

const int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int kDistBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                           193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void putMatch(BitWriter& w, int length, int distance) {
    int l = 28;
    while (kLengthBase[l] > length) --l;
    putLiteral(w, 257 + l);
    w.bits(static_cast<uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    int d = 29;
    while (kDistBase[d] > distance) --d;
    w.code(static_cast<uint32_t>(d), 5);
    w.bits(static_cast<uint32_t>(distance - kDistBase[d]), kDistExtra[d]);
}

// A zlib stream of one fixed-code block. Greedy matching over every earlier position
// with the same first three bytes: slow in general, instant for a few kilobytes.
std::vector<uint8_t> zlibCompress(const std::vector<uint8_t>& data) {
    constexpr int kWindow = 32768, kMinMatch = 3, kMaxMatch = 258;
    const int n = static_cast<int>(data.size());
    std::vector<int> head(1 << 16, -1), prev(data.size(), -1);
    auto hashAt = [&](int i) { return ((data[i] << 8) ^ (data[i + 1] << 4) ^ data[i + 2]) & 0xFFFF; };
    auto insert = [&](int i) {
        if (i + kMinMatch > n) return;
        const int h = hashAt(i);
        prev[i] = head[h];
        head[h] = i;
    };

    BitWriter w;
    w.out = {0x78, 0xDA};  // 32 KiB window, "maximum compression"
    w.bits(1, 1);          // the last block
    w.bits(1, 2);          // fixed Huffman codes
    int i = 0;
    while (i < n) {
        int bestLength = 0, bestDistance = 0;
        if (i + kMinMatch <= n) {
            const int limit = std::min(kMaxMatch, n - i);
            for (int j = head[hashAt(i)]; j >= 0 && i - j <= kWindow; j = prev[j]) {
                int length = 0;
                while (length < limit && data[j + length] == data[i + length]) ++length;
                // The nearest of equally long matches has the cheapest distance code.
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = i - j;
                    if (length == limit) break;
                }
            }
        }
        if (bestLength >= kMinMatch) {
            putMatch(w, bestLength, bestDistance);
            for (int k = 0; k < bestLength; ++k) insert(i + k);
            i += bestLength;
        } else {
            putLiteral(w, data[i]);
            insert(i);
            ++i;
        }
    }
    putLiteral(w, 256);  // end of block
    if (w.used) w.flush();
    const uint32_t check = adler32(data);
    for (int k = 3; k >= 0; --k) w.out.push_back(static_cast<uint8_t>(check >> (8 * k)));
    return w.out;
}

void putChunk(std::vector<uint8_t>& v, const char type[4], const std::vector<uint8_t>& body) {
    const uint32_t n = static_cast<uint32_t>(body.size());
    for (int k = 3; k >= 0; --k) v.push_back(static_cast<uint8_t>(n >> (8 * k)));
    const size_t start = v.size();
    v.insert(v.end(), type, type + 4);
    v.insert(v.end(), body.begin(), body.end());
    const uint32_t crc = crc32(&v[start], v.size() - start);
    for (int k = 3; k >= 0; --k) v.push_back(static_cast<uint8_t>(crc >> (8 * k)));
}

// 8-bit RGBA, straight alpha like the DIBs. Every row uses filter type 0: on these
// images it compresses better than the predicting filters do.
std::vector<uint8_t> png(const Image& img) {
    const int n = img.size;
    std::vector<uint8_t> raw;
    for (int y = 0; y < n; ++y) {
        raw.push_back(0);
        for (int x = 0; x < n; ++x) {
            const uint8_t* p = &img.bgra[(static_cast<size_t>(y) * n + x) * 4];
            raw.insert(raw.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    std::vector<uint8_t> ihdr;
    for (int k = 0; k < 2; ++k)
        for (int b = 3; b >= 0; --b) ihdr.push_back(static_cast<uint8_t>(static_cast<uint32_t>(n) >> (8 * b)));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // depth 8, RGBA, deflate, filter set 0, no interlace

    std::vector<uint8_t> v = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(v, "IHDR", ihdr);
    putChunk(v, "IDAT", zlibCompress(raw));
    putChunk(v, "IEND", {});
    return v;
}

std::vector<uint8_t> buildIco(const DiscColours& disc) {
    struct Entry {
        int size, bits;
        std::vector<uint8_t> data;
    };
    std::vector<Entry> entries;
    const Layout* l32 = nullptr;
    for (const Layout& L : kLayouts) {
        const Image img = render(L, disc);
        entries.push_back({L.size, 32, L.size >= kSmallestPng ? png(img) : dib32(img)});
        if (L.size == 32) l32 = &L;
    }
    entries.push_back({32, 8, dib8(render(*l32, disc))});

    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon, not cursor
    put16(out, static_cast<uint16_t>(entries.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(entries.size());
    for (const Entry& e : entries) {
        out.push_back(static_cast<uint8_t>(e.size));
        out.push_back(static_cast<uint8_t>(e.size));
        out.push_back(0);  // colour count: 0 for 8 bits and above
        out.push_back(0);
        put16(out, 1);
        put16(out, static_cast<uint16_t>(e.bits));
        put32(out, static_cast<uint32_t>(e.data.size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(e.data.size());
    }
    for (const Entry& e : entries) out.insert(out.end(), e.data.begin(), e.data.end());
    return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dir = argc > 1 ? argv[1] : "resources";
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';

    const struct {
        const char* name;
        const DiscColours& colours;
    } outputs[] = {{"disc_red.ico", kRed}, {"disc_green.ico", kGreen}};
    for (const auto& o : outputs) {
        const std::string path = dir + o.name;
        if (!writeFile(path, buildIco(o.colours))) {
            std::fprintf(stderr, "draw_icons: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s\n", path.c_str());
    }
    return 0;
}
