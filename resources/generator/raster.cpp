#include "resources/generator/raster.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

namespace tessaro {
namespace {

constexpr int kGrid = 8;  // samples per pixel side

double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }

double DistanceToSegmentSquared(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = p.x - (a.x + t * dx);
    const double ey = p.y - (a.y + t * dy);
    return ex * ex + ey * ey;
}

// Even-odd rule, which is all the convex and simple outlines here need.
bool InsidePolygon(const std::vector<Point>& corners, Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[i];
        const Point b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

Point Direction(double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {std::cos(radians), std::sin(radians)};
}

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

int DistanceSquared(Rgba a, Rgba b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

}  // namespace

Rgba Mix(Rgba from, Rgba to, double t) {
    return {Channel(from.r + (to.r - from.r) * t), Channel(from.g + (to.g - from.g) * t),
            Channel(from.b + (to.b - from.b) * t), Channel(from.a + (to.a - from.a) * t)};
}

void Scene::Polygon(Rgba colour, std::vector<Point> corners) {
    assert(corners.size() >= 3);
    auto [minX, maxX] = std::minmax_element(corners.begin(), corners.end(), [](Point a, Point b) { return a.x < b.x; });
    auto [minY, maxY] = std::minmax_element(corners.begin(), corners.end(), [](Point a, Point b) { return a.y < b.y; });
    const double left = minX->x, right = maxX->x, top = minY->y, bottom = maxY->y;
    layers_.push_back({colour, left, top, right, bottom,
                       [corners = std::move(corners)](Point p) { return InsidePolygon(corners, p); }});
}

void Scene::Ellipse(Rgba colour, Point centre, double rx, double ry) {
    layers_.push_back({colour, centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry, [=](Point p) {
                           const double u = (p.x - centre.x) / rx;
                           const double v = (p.y - centre.y) / ry;
                           return u * u + v * v <= 1.0;
                       }});
}

void Scene::Line(Rgba colour, Point from, Point to, double width) {
    const double r = width / 2;
    layers_.push_back({colour, std::min(from.x, to.x) - r, std::min(from.y, to.y) - r, std::max(from.x, to.x) + r,
                       std::max(from.y, to.y) + r,
                       [=](Point p) { return DistanceToSegmentSquared(p, from, to) <= r * r; }});
}

void Scene::Arc(Rgba colour, Point centre, double radius, double fromDegrees, double toDegrees, double width) {
    assert(fromDegrees < toDegrees && toDegrees - fromDegrees <= 180.0);
    const Point from = Direction(fromDegrees);
    const Point to = Direction(toDegrees);
    const Point endA{centre.x + radius * from.x, centre.y + radius * from.y};
    const Point endB{centre.x + radius * to.x, centre.y + radius * to.y};
    const double r = width / 2;
    const double outer = radius + r;
    layers_.push_back({colour, centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer, [=](Point p) {
                           const Point v{p.x - centre.x, p.y - centre.y};
                           const double d = std::sqrt(v.x * v.x + v.y * v.y);
                           // Within the sweep: clockwise of `from` and not yet past `to`.
                           if (Cross(from, v) >= 0 && Cross(v, to) >= 0 && std::abs(d - radius) <= r) return true;
                           const auto near = [&](Point e) {
                               return (p.x - e.x) * (p.x - e.x) + (p.y - e.y) * (p.y - e.y) <= r * r;
                           };
                           return near(endA) || near(endB);
                       }});
}

template <typename Combine>
ColourImage Scene::RenderWith(int width, int height, Combine combine) const {
    ColourImage image{width, height, {}};
    image.pixels.reserve(static_cast<std::size_t>(width * height));
    std::vector<const Layer*> nearby;
    std::array<Rgba, kGrid * kGrid> samples;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Only the layers whose box touches this pixel, topmost first.
            nearby.clear();
            for (auto it = layers_.rbegin(); it != layers_.rend(); ++it) {
                if (it->right >= x && it->left <= x + 1 && it->bottom >= y && it->top <= y + 1) nearby.push_back(&*it);
            }
            for (int j = 0; j < kGrid; ++j) {
                for (int i = 0; i < kGrid; ++i) {
                    const Point p{x + (i + 0.5) / kGrid, y + (j + 0.5) / kGrid};
                    Rgba c = background_;
                    for (const Layer* layer : nearby) {
                        if (layer->contains(p)) {
                            c = layer->colour;
                            break;
                        }
                    }
                    samples[static_cast<std::size_t>(j * kGrid + i)] = c;
                }
            }
            image.pixels.push_back(combine(samples));
        }
    }
    return image;
}

ColourImage Scene::Render(int width, int height) const {
    return RenderWith(width, height, [](const auto& samples) {
        // Premultiplied sums, so that a half-transparent edge does not darken.
        long r = 0, g = 0, b = 0, a = 0;
        for (Rgba c : samples) {
            r += c.r * c.a;
            g += c.g * c.a;
            b += c.b * c.a;
            a += c.a;
        }
        if (a == 0) return kClear;
        const auto divide = [](long num, long den) { return static_cast<std::uint8_t>((2 * num + den) / (2 * den)); };
        return Rgba{divide(r, a), divide(g, a), divide(b, a), divide(a, static_cast<long>(samples.size()))};
    });
}

ColourImage Scene::RenderCrisp(int width, int height) const {
    return RenderWith(width, height, [](const auto& samples) {
        // A handful of colours meet in one pixel at most; on a tie the first
        // found in reading order wins.
        std::vector<std::pair<Rgba, int>> counts;
        for (Rgba c : samples) {
            auto it = std::find_if(counts.begin(), counts.end(), [&](const auto& e) { return e.first == c; });
            if (it == counts.end()) counts.push_back({c, 1});
            else ++it->second;
        }
        return std::max_element(counts.begin(), counts.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    });
}

PaletteImage Quantise(const ColourImage& image, const std::vector<Rgba>& palette) {
    assert(!palette.empty() && palette.size() <= 256);
    int clear = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i].a == 0) {
            clear = static_cast<int>(i);
            break;
        }
    }
    PaletteImage out{image.width, image.height, palette, {}};
    out.pixels.reserve(image.pixels.size());
    for (Rgba c : image.pixels) {
        if (clear >= 0 && c.a < 128) {
            out.pixels.push_back(static_cast<std::uint8_t>(clear));
            continue;
        }
        int best = -1;
        for (std::size_t i = 0; i < palette.size(); ++i) {
            if (palette[i].a == 0) continue;
            if (best < 0 ||
                DistanceSquared(c, palette[i]) < DistanceSquared(c, palette[static_cast<std::size_t>(best)]))
                best = static_cast<int>(i);
        }
        out.pixels.push_back(static_cast<std::uint8_t>(best));
    }
    return out;
}

}  // namespace tessaro
