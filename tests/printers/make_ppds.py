#!/usr/bin/env python3
"""Writes the PPD files of the test printers beside this script.

The queues made from them give the printer catalogue known paper lists: a mix of A/B and other
sizes, exactly 63 sizes, 70 sizes, 60 sizes (the timing driver's queues) and Japanese names in
Shift-JIS, one of them too long for its 64-byte record.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent


def ppd(model, sizes, encoding="ISOLatin1"):
    """sizes: (keyword, display text, width pt, height pt)."""
    lines = [
        '*PPD-Adobe: "4.3"',
        '*FormatVersion: "4.3"',
        '*FileVersion: "1.0"',
        '*LanguageVersion: %s' % ("Japanese" if encoding == "JIS83-RKSJ" else "English"),
        '*LanguageEncoding: %s' % encoding,
        '*PCFileName: "DRAWLOT.PPD"',
        '*Manufacturer: "Drawlot"',
        '*Product: "(%s)"' % model,
        '*ModelName: "Drawlot %s"' % model,
        '*ShortNickName: "Drawlot %s"' % model,
        '*NickName: "Drawlot %s"' % model,
        '*PSVersion: "(3010.000) 0"',
        '*LanguageLevel: "3"',
        '*ColorDevice: False',
        '*DefaultColorSpace: Gray',
        '*FileSystem: False',
        '*Throughput: "1"',
        '*LandscapeOrientation: Plus90',
        '*TTRasterizer: Type42',
        '*cupsFilter: "application/vnd.cups-postscript 0 -"',
        '*OpenUI *PageSize/Media Size: PickOne',
        '*OrderDependency: 10 AnySetup *PageSize',
        '*DefaultPageSize: %s' % sizes[0][0],
    ]
    for key, text, w, h in sizes:
        lines.append('*PageSize %s/%s: "<</PageSize[%d %d]>>setpagedevice"' % (key, text, w, h))
    lines += ['*CloseUI: *PageSize', '*OpenUI *PageRegion: PickOne',
              '*OrderDependency: 10 AnySetup *PageRegion', '*DefaultPageRegion: %s' % sizes[0][0]]
    for key, text, w, h in sizes:
        lines.append('*PageRegion %s/%s: "<</PageSize[%d %d]>>setpagedevice"' % (key, text, w, h))
    lines += ['*CloseUI: *PageRegion', '*DefaultImageableArea: %s' % sizes[0][0]]
    for key, text, w, h in sizes:
        lines.append('*ImageableArea %s/%s: "18 18 %d %d"' % (key, text, w - 18, h - 18))
    lines.append('*DefaultPaperDimension: %s' % sizes[0][0])
    for key, text, w, h in sizes:
        lines.append('*PaperDimension %s/%s: "%d %d"' % (key, text, w, h))
    lines += ['*DefaultFont: Courier', '*Font Courier: Standard "(002.004S)" Standard ROM', '']
    return "\n".join(lines).encode("cp932" if encoding == "JIS83-RKSJ" else "latin-1")


def numbered(count):
    return [("Size%02d" % k, "Size %02d" % k, 200 + 5 * k, 300 + 5 * k) for k in range(1, count + 1)]


MIXED = [
    ("A4", "A4", 595, 842), ("Letter", "Letter", 612, 792), ("A3", "A3", 842, 1191),
    ("Legal", "Legal", 612, 1008), ("B5", "B5 (JIS)", 516, 729), ("Executive", "Executive", 522, 756),
    ("B4", "B4 (JIS)", 729, 1032), ("Tabloid", "Tabloid", 792, 1224), ("A2", "A2", 1191, 1684),
    ("EnvB4", "Envelope b4", 709, 1001),
]

JAPANESE = [
    ("A4", "Ａ４", 595, 842), ("B5", "Ｂ５（ＪＩＳ）", 516, 729), ("Postcard", "はがき", 283, 420),
    ("EnvChou3", "長形３号封筒", 340, 666), ("A3", "Ａ３ 横長", 842, 1191),
    # 'x' and 32 two-byte characters: 65 bytes, the last character across the record's end.
    ("Long", "x" + "長" * 32, 600, 900),
]

FILES = {
    "a_b_sizes.ppd": ppd("Mixed", MIXED),
    "sixty_three_sizes.ppd": ppd("Sixty-three", numbered(63)),
    "seventy_sizes.ppd": ppd("Seventy", numbered(70)),
    "sixty_sizes.ppd": ppd("Sixty", numbered(60)),
    "japanese_sizes.ppd": ppd("Japanese", JAPANESE, "JIS83-RKSJ"),
}

if __name__ == "__main__":
    for name, data in FILES.items():
        (HERE / name).write_bytes(data)
