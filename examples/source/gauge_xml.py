"""Writes gauge files in the program's own format: the same attributes, in the same order,
as the editor saves them, with scripts kept in CDATA sections and CR LF line ends."""
from xml.sax.saxutils import quoteattr

SCHEMA = "http://dialwright.example/schema/gauge"

# Fill patterns of basic graphs, as the properties dialog stores them.
STYLES = {"Solid": -1, "Horizontal": 0, "Vertical": 1, "FDiagonal": 2, "BDiagonal": 3,
          "Cross": 4, "DiagCross": 5}


def rgb(r, g, b):
    """A colour as the files store it: 0x00BBGGRR in decimal."""
    return r | (g << 8) | (b << 16)


def yes(flag):
    return "yes" if flag else "no"


def attrs(pairs):
    return " ".join("%s=%s" % (k, quoteattr(str(v))) for k, v in pairs)


def program_node(tag, text):
    lines = [line.rstrip() for line in text.strip("\n").split("\n")] if text else []
    body = "\r\n".join(lines) + "\r\n" if lines else ""
    return "\t\t<%s>\n\t\t\t<![CDATA[%s]]>\n\t\t</%s>\n" % (tag, body, tag)


def box(left, top, width, height):
    return [("left", left), ("top", top), ("right", left + 2 * (width // 2)),
            ("width", width), ("height", height)]


class Gauge:
    def __init__(self, name, fps=20, back=rgb(32, 32, 32), window=(80, 60, 800, 560),
                 alias_file="alias.txt", port=8090):
        self.name = name
        self.fps = fps
        self.back = back
        self.window = window
        self.alias_file = alias_file
        self.port = port
        self.custom = [rgb(255, 165, 0), rgb(224, 0, 0), rgb(0, 200, 0), rgb(255, 255, 0),
                       rgb(245, 245, 240), rgb(20, 20, 20), rgb(80, 80, 80), rgb(0, 160, 255)]
        self.custom += [0] * (16 - len(self.custom))
        self.elements = []

    def image(self, name, file, left, top, width, height, program="", click="",
              transparent=True, rot=0.0):
        pairs = [("type", "graph"), ("name", name), ("file", file), ("locked", "no")]
        pairs += box(left, top, width, height)
        pairs += [("rot", "%f" % rot), ("btr", yes(transparent)), ("ntr", 0), ("col1", 0),
                  ("col2", 0)]
        self.elements.append("\t<element %s>\n%s%s\t</element>\n" % (
            attrs(pairs), program_node("program", program),
            program_node("program_lbup", click)))

    def text(self, name, literal, left, top, width, height, program="", face="DejaVu Sans",
             size=13, bold=True, colour=rgb(245, 245, 240), back=0, align=5, border=0,
             border_colour=0, transparent=True):
        pairs = [("type", "text"), ("name", name), ("locked", "no")]
        pairs += box(left, top, width, height)
        pairs += [("rot", "%f" % 0.0), ("bordercolor", border_colour), ("borderwith", border),
                  ("literal", literal.replace("\n", "\\n")), ("btr", yes(transparent)),
                  ("ntr", back), ("col1", 0), ("col2", 0)]
        font = [("face", face), ("position", align), ("style", 0), ("width", 0),
                ("height", -size), ("weight", 700 if bold else 400), ("color", colour),
                ("colorf", back)]
        self.elements.append("\t<element %s>\n\t\t<fontdesc %s/>\n%s\t</element>\n" % (
            attrs(pairs), attrs(font), program_node("program", program)))

    def shape(self, name, subtype, left, top, width, height, program="", ang1=0.0, ang2=360.0,
              pct=50.0, colour=rgb(245, 245, 240), fill=0, back=0, style="Solid",
              line=1, marks=(0.0, 0.0), with_arc=False, transparent=True):
        pairs = [("type", "primitive"), ("name", name), ("subtype", subtype),
                 ("style", STYLES[style]), ("locked", "no")]
        pairs += box(left, top, width, height)
        pairs += [("rot", "%f" % 0.0), ("btr", yes(transparent)), ("ntr", 0), ("col1", 0),
                  ("col2", 0), ("ang1", "%f" % ang1), ("ang2", "%f" % ang2),
                  ("angpct", "%f" % pct), ("bordercolor", colour), ("borderwith", line),
                  ("witharc", yes(with_arc)), ("startmark", "%f" % marks[0]),
                  ("endmark", "%f" % marks[1]), ("color", back), ("colorf", fill)]
        self.elements.append("\t<element %s>\n%s\t</element>\n" % (
            attrs(pairs), program_node("program", program)))

    def audio(self, name, file, left, top, width, height, program=""):
        pairs = [("type", "audio"), ("name", name), ("file", file), ("locked", "no")]
        pairs += box(left, top, width, height)
        pairs += [("rot", "%f" % 0.0), ("btr", "no"), ("ntr", 0), ("col1", 0), ("col2", 0)]
        self.elements.append("\t<element %s>\n%s\t</element>\n" % (
            attrs(pairs), program_node("program", program)))

    def write(self, path):
        x, y, w, h = self.window
        props = [("name", self.name), ("fps", self.fps), ("maximized", 0), ("pos_x", x),
                 ("pos_y", y), ("pos_w", w), ("pos_h", h), ("backcolor", self.back),
                 ("runatstart", "no"), ("aliasfile", self.alias_file)]
        props += [("customcolor_%d" % i, c) for i, c in enumerate(self.custom)]
        text = '<?xml version="1.0" encoding="iso-8859-1"?>\n'
        text += '<gauge xmlns="%s" version="2.0.0.0">\n' % SCHEMA
        text += "\t<properties %s/>\n" % attrs(props)
        text += '\t<zekolink_1 alias="FlightSimulator" ip="127.0.0.1" port="%d"/>\n' % self.port
        # The examples need one server only: the second link is off.
        text += '\t<zekolink_2 alias="MORV" ip="0.0.0.0" port="8092"/>\n'
        text += "".join(self.elements)
        text += "</gauge>\n"
        with open(path, "w", encoding="latin-1", newline="") as f:
            f.write(text)
