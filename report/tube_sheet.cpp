#include "report/tube_sheet.hpp"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

#include "report/marks.hpp"

namespace report {
namespace {

// The grid's places around the centre out to `reach`, in the arrangement's pattern.
std::vector<QPointF> grid(design::Arrangement arrangement, double t, double reach) {
    double dx = t, dy = t;
    if (arrangement == design::Arrangement::Triangle) dy = t * std::sqrt(3.0) / 2;
    if (arrangement == design::Arrangement::RotatedSquare) dx = dy = t / std::sqrt(2.0);
    const int rows = static_cast<int>(std::ceil(reach / dy)),
              columns = static_cast<int>(std::ceil(reach / dx)) + 1;
    std::vector<QPointF> places;
    for (int j = -rows; j <= rows; ++j) {
        for (int i = -columns; i <= columns; ++i) {
            const bool odd = (j % 2) != 0;
            if (arrangement == design::Arrangement::RotatedSquare && ((i + j) % 2) != 0) continue;
            const double shift = arrangement == design::Arrangement::Triangle && odd ? t / 2 : 0.0;
            places.emplace_back(i * dx + shift, j * dy);
        }
    }
    return places;
}

// The `count` places nearest the centre, taken as a tube-count drawing sets them: a place with
// its mirror images about both centre lines at once, and where a ring is only partly filled,
// its mirror pairs about the vertical line from the top down, so that the bundle is always
// symmetric about the vertical centre line, and about the horizontal one where the count
// allows. Places within `tolerance`·t of each other are the same place.
std::vector<QPointF> symmetric_bundle(std::vector<QPointF> places, std::size_t count, double t) {
    const double tolerance = 1e-9 * t;
    const auto same = [&](QPointF a, QPointF b) {
        return std::abs(a.x() - b.x()) < tolerance && std::abs(a.y() - b.y()) < tolerance;
    };
    // Nearest first; then from the top down and left to right, the same on every machine.
    const auto key = [&](QPointF p) {
        return std::tuple{std::round(std::hypot(p.x(), p.y()) / tolerance), -p.y(), p.x()};
    };
    std::ranges::sort(places, [&](QPointF a, QPointF b) { return key(a) < key(b); });
    std::vector<bool> taken(places.size(), false);
    const auto index_of = [&](QPointF p) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (same(places[i], p)) return i;
        }
        return std::nullopt;
    };
    std::vector<QPointF> tubes;
    for (std::size_t i = 0; i < places.size() && tubes.size() < count; ++i) {
        if (taken[i]) continue;
        const QPointF p = places[i];
        // The orbit of p: itself and its images, each once; every image lies on its ring.
        std::vector<std::size_t> orbit;
        for (const QPointF image : {p, QPointF(-p.x(), p.y()), QPointF(p.x(), -p.y()), -p}) {
            const std::optional<std::size_t> k = index_of(image);
            if (k && !taken[*k] && std::ranges::find(orbit, *k) == orbit.end()) orbit.push_back(*k);
        }
        std::size_t left = count - tubes.size();
        std::size_t part = orbit.size();
        if (part > left) {
            // Part of the ring: the upper pair of four, the upper one of two on the vertical
            // line; a pair on the horizontal line does not split.
            part = orbit.size() == 4 ? 2 : std::abs(p.x()) < tolerance ? 1 : orbit.size();
            // One tube left and a pair here: the centre tube makes way for the pair, which keeps
            // both centre lines; without one, the pair waits for a place further out.
            const auto centre = std::ranges::find_if(tubes, [&](QPointF q) { return same(q, {}); });
            if (part == 2 && left == 1 && centre != tubes.end()) {
                tubes.erase(centre);
                left = 2;
            }
            if (part > left) continue;
        }
        for (std::size_t m = 0; m < part; ++m) {
            taken[orbit[m]] = true;
            tubes.push_back(places[orbit[m]]);
        }
    }
    return tubes;
}

double distance_to(const QLineF& line, QPointF p) {
    const QPointF d = line.p2() - line.p1();
    return std::abs(d.x() * (p.y() - line.p1().y()) - d.y() * (p.x() - line.p1().x())) /
           std::hypot(d.x(), d.y());
}

}  // namespace

TubeSheet tube_sheet(const design::Layout& l, double outer_diameter) {
    TubeSheet sheet{l.shell_diameter, outer_diameter, l.pitch, {}, {}, {}, {}};
    const double r = l.shell_diameter / 2;
    if (l.passes >= 2) sheet.partitions.emplace_back(-r, 0.0, r, 0.0);
    if (l.passes >= 4) sheet.partitions.emplace_back(0.0, -r, 0.0, r);
    if (l.passes >= 6) {
        sheet.partitions.front() = QLineF(-r, r / 3, r, r / 3);
        sheet.partitions.emplace_back(-r, -r / 3, r, -r / 3);
    }
    // Room enough for N_T tubes with their lanes, however the grid falls.
    const double cell = l.pitch * l.pitch;
    const double reach = std::sqrt(l.tubes * cell / 3.0) * 2.0 + 3.0 * l.pitch;
    std::vector<QPointF> places;
    for (const QPointF p : grid(l.arrangement, l.pitch, reach)) {
        const bool in_lane = std::ranges::any_of(sheet.partitions, [&](const QLineF& line) {
            return distance_to(line, p) < l.pitch / 2;
        });
        if (!in_lane) places.push_back(p);
    }
    sheet.tubes = symmetric_bundle(std::move(places), static_cast<std::size_t>(l.tubes), l.pitch);
    // t between the topmost tube and a neighbour, where a dimension has room.
    if (sheet.tubes.size() >= 2) {
        const auto top = std::ranges::max_element(sheet.tubes, [](QPointF a, QPointF b) {
            return std::pair{a.y(), -a.x()} < std::pair{b.y(), -b.x()};
        });
        sheet.pitch_from = *top;
        sheet.pitch_to = *top;
        // A neighbour on its row if it has one, so that t reads along the row.
        for (const QPointF p : sheet.tubes) {
            const double gap = std::hypot(p.x() - top->x(), p.y() - top->y());
            if (std::abs(gap - l.pitch) >= 1e-9 * l.pitch) continue;
            const bool on_row = std::abs(p.y() - top->y()) < 1e-9 * l.pitch;
            if (sheet.pitch_to == *top || on_row) sheet.pitch_to = p;
            if (on_row) break;
        }
    }
    return sheet;
}

void paint_tube_sheet(QPainter& painter, const TubeSheet& sheet, const QRectF& frame,
                      const LabelFonts& fonts) {
    const double em = QFontMetricsF(fonts.latin, painter.device()).height();
    const double side = std::min(frame.width(), frame.height());
    const QPointF centre = frame.center() + QPointF(0, -em);
    // The shell fills the square less room for the dimensions below and above.
    const double scale = (side - 5.0 * em) / sheet.shell_diameter;
    const auto at = [&](QPointF p) { return centre + QPointF(p.x(), -p.y()) * scale; };
    const double line = em / 14;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2 * line));
    const double r = sheet.shell_diameter / 2 * scale;
    painter.drawEllipse(centre, r, r);
    painter.setPen(QPen(Qt::black, line));
    const double tube = sheet.outer_diameter / 2 * scale;
    for (const QPointF p : sheet.tubes) painter.drawEllipse(at(p), tube, tube);
    painter.setPen(QPen(Qt::black, line, Qt::DashDotLine));
    for (const QLineF& partition : sheet.partitions) {
        painter.drawLine(at(partition.p1()), at(partition.p2()));
    }

    painter.setPen(QPen(Qt::black, line));
    painter.setBrush(Qt::black);
    // D below the shell, with extension lines from its sides.
    const double below = centre.y() + r + 1.2 * em;
    painter.drawLine(QPointF(centre.x() - r, centre.y()),
                     QPointF(centre.x() - r, below + 0.3 * em));
    painter.drawLine(QPointF(centre.x() + r, centre.y()),
                     QPointF(centre.x() + r, below + 0.3 * em));
    dimension(painter, QPointF(centre.x() - r, below), QPointF(centre.x() + r, below), 0.45 * em);
    const QString d = QString::number(sheet.shell_diameter * 1000, 'g', 6) + " mm";
    place(painter, {{"D", true}, {" = " + d}}, fonts, QPointF(centre.x(), below + 0.9 * em),
          Qt::AlignHCenter);
    // t between two neighbouring tubes at the top of the bundle, dimensioned outside the
    // shell, so that neither the label nor the arrows lie over a tube however full it is.
    if (sheet.pitch_from != sheet.pitch_to) {
        const QPointF a = at(sheet.pitch_from), b = at(sheet.pitch_to);
        const QLineF along(a, b);
        QPointF out = QPointF(along.dy(), -along.dx()) / along.length();  // across, upwards
        if (out.y() > 0) out = -out;
        // How far along `out` a point leaves the circle of `radius`: |p + out·s − centre| = radius.
        const auto beyond = [&](QPointF p, double radius) {
            const QPointF d = p - centre;
            const double half = QPointF::dotProduct(d, out);
            return -half + std::sqrt(half * half - QPointF::dotProduct(d, d) + radius * radius);
        };
        const double offset = std::max(beyond(a, r + 0.6 * em), beyond(b, r + 0.6 * em));
        for (const QPointF p : {a, b}) {
            painter.drawLine(p + out * (tube + 0.15 * em), p + out * (offset + 0.3 * em));
        }
        const QPointF from = a + out * offset, to = b + out * offset;
        dimension(painter, from, to, 0.3 * em);
        const QString t = QString::number(sheet.pitch * 1000, 'g', 6) + " mm";
        const QPointF right = from.x() > to.x() ? from : to;
        place(painter, {{"t", true}, {" = " + t}}, fonts, right + QPointF(0.5 * em, 0),
              Qt::AlignLeft, true);
    }
    painter.restore();
}

}  // namespace report
