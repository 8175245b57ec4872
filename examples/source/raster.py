"""A tiny anti-aliased raster canvas and PNG writer, enough to draw the example gauges' art.

Shapes are drawn on a canvas `scale` times larger than the picture; `save_png` averages each
scale x scale block into one pixel. Only the standard library is used.
"""
import math
import struct
import zlib


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0), scale=3):
        self.width = width
        self.height = height
        self.scale = scale
        self.w = width * scale
        self.h = height * scale
        self.rows = [[background] * self.w for _ in range(self.h)]

    # Every coordinate below is in picture pixels; the canvas converts to its own grid.
    def _box(self, x0, y0, x1, y1):
        s = self.scale
        return (max(0, int(math.floor(x0 * s))), max(0, int(math.floor(y0 * s))),
                min(self.w, int(math.ceil(x1 * s))), min(self.h, int(math.ceil(y1 * s))))

    def shade(self, box, colour_at):
        """Calls colour_at(x, y) for each fine pixel of box (picture coordinates of its
        centre); a colour sets the pixel, None leaves it."""
        s = self.scale
        bx0, by0, bx1, by1 = self._box(*box)
        for fy in range(by0, by1):
            y = (fy + 0.5) / s
            row = self.rows[fy]
            for fx in range(bx0, bx1):
                c = colour_at((fx + 0.5) / s, y)
                if c is not None:
                    row[fx] = c

    def disc(self, cx, cy, r, colour, r_inner=0.0):
        """A filled circle, or a ring when r_inner > 0; colour may be a function of
        (distance from the centre, angle in degrees clockwise from up)."""
        def at(x, y):
            d = math.hypot(x - cx, y - cy)
            if d > r or d < r_inner:
                return None
            if callable(colour):
                a = math.degrees(math.atan2(x - cx, cy - y)) % 360
                return colour(d, a)
            return colour
        self.shade((cx - r, cy - r, cx + r, cy + r), at)

    def rounded_rect(self, x0, y0, x1, y1, radius, colour):
        """colour may be a function of (x, y)."""
        def at(x, y):
            qx = min(max(x, x0 + radius), x1 - radius)
            qy = min(max(y, y0 + radius), y1 - radius)
            if math.hypot(x - qx, y - qy) > radius:
                return None
            return colour(x, y) if callable(colour) else colour
        self.shade((x0, y0, x1, y1), at)

    def polygon(self, points, colour):
        """A filled polygon (even-odd rule)."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        edges = list(zip(points, points[1:] + points[:1]))

        def at(x, y):
            inside = False
            for (ax, ay), (bx, by) in edges:
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    inside = not inside
            return colour if inside else None
        self.shade((min(xs), min(ys), max(xs), max(ys)), at)

    def line(self, x0, y0, x1, y1, width, colour):
        """A straight stroke with square ends."""
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny),
                      (x0 - nx, y0 - ny)], colour)

    def pixels(self):
        """The picture: rows of (r, g, b) averaged over each scale x scale block."""
        s = self.scale
        n = s * s
        out = []
        for y in range(self.height):
            fine = self.rows[y * s:(y + 1) * s]
            row = []
            for x in range(self.width):
                r = g = b = 0
                for frow in fine:
                    for c in frow[x * s:(x + 1) * s]:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                row.append((round(r / n), round(g / n), round(b / n)))
            out.append(row)
        return out


def save_png(path, rows):
    """Writes rows of (r, g, b) tuples as an 8-bit RGB PNG."""
    height = len(rows)
    width = len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for r, g, b in row:
            raw += bytes((r, g, b))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def mix(a, b, t):
    """The colour t of the way from a to b."""
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))
