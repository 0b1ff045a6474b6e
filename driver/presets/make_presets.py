# Regenerates the preset sources (model code + "ad.txt") and the initial user sources
# (model code + "ed.txt", header only) of the five models in the folder given:
#   python3 make_presets.py driver/presets
# Dots follow the editor's conversions; CR LF line ends as the program writes them.
import os, sys
out = sys.argv[1]
models = [
  # code, device name, dpi, head dots, series, model
  ("qlx410a", "Quellix LT-4100A", 300, 672, "0x34", "0x41"),
  ("qlx520e", "Quellix LT-5200E", 203, 448, "0x35", "0x42"),
  ("qlx520ew", "Quellix LT-5200EW", 203, 448, "0x35", "0x43"),
  ("qlx530e", "Quellix LT-5300E", 300, 672, "0x35", "0x44"),
  ("qlx530ew", "Quellix LT-5300EW", 300, 672, "0x35", "0x45"),
]
def rdp(v, d):
    p = 10 ** d
    return (v + p // 2) // p if v >= 0 else -((-v + p // 2) // p)
def dots(tenths, R):  # tenths of mm -> dots
    return rdp(tenths * R * 10 // 254, 1)
def inch(tenths):
    return "%.2f" % (tenths / 254.0 + 1e-9)
# name, kind, width mm10, length mm10, gap mm10, left/right margin mm10, top/bottom mm10, mark w/o mm10, energy
papers = [
  ("62mm Continuous", 74, 620, 0, 0, 15, 0, 0, 0, 3),
  ("50mm Continuous", 74, 500, 0, 0, 15, 0, 0, 0, 3),
  ("29mm Continuous", 74, 290, 0, 0, 10, 0, 0, 0, 3),
  ("62 x 29mm Labels", 75, 620, 290, 30, 15, 10, 0, 0, 4),
  ("50 x 30mm Labels", 75, 500, 300, 30, 15, 10, 0, 0, 4),
  ("40 x 20mm Labels", 75, 400, 200, 20, 10, 10, 0, 0, 4),
  ("25 x 25mm Labels", 75, 250, 250, 20, 10, 10, 0, 0, 4),
  ("58 x 40mm Black Mark", 76, 580, 400, 0, 15, 10, 50, 0, 5),
]
CRLF = "\r\n"
def header(code, dev, dpi, head, ser, mod, outname):
    L = [";" + "*" * 54, ";", ";\t%s MDT Source File" % dev, ";",
         ";\tCopyright (C) Quellix Label Systems. All rights reserved.", ";",
         ";" + "*" * 54, "",
         "[Version]", "FormatVersion=1.00", "ModelVersion=1.02", "OutputFileName=" + outname,
         "0", "",
         "[Model]", "bySeriesCode=" + ser, "byModelCode=" + mod, "dmDeviceName=" + dev,
         "dwHeadPinNum=%d" % head, "dwDeviceAbility01=0x00000013", "dwDeviceAbility02=0x00000000",
         "wMinCopies=1", "wMaxCopies=999", "wMinCutEveryNum=1", "wMaxCutEveryNum=99",
         "nDefaultPaperSize=259",
         "nDefaultPaperLength=290", "nDefaultPaperLengthRes=%d" % dots(290, dpi),
         "wResolutionNum=1", "wResolutions=%d" % dpi,
         "byMediaSensor=1", "wMaxFeedLength=%d" % dots(10000, dpi), "szFirmwareFamily=LT5",
         ""]
    return L
for code, dev, dpi, head, ser, mod in models:
    L = header(code, dev, dpi, head, ser, mod, code + "ad.mdt")
    for i, (name, kind, W, Ln, gap, lr, tb, mw, mo, energy) in enumerate(papers):
        size = 257 + i
        wres = dots(W, dpi)
        left = dots(lr, dpi)
        iwres = min(wres - 2 * left, head)
        left = (wres - iwres) // 2
        iw = iwres * 254 // dpi
        pins_n = dots(W - 2 * lr, dpi)
        pinl = max((head - min(pins_n, head)) // 2, 0)
        pinr = head - pinl - iwres
        if kind == 74:
            lres = ilres = 0; il = 0; Lx = 0; top = 0; bottom = 0
        else:
            Lx = Ln; il = Ln - 2 * tb
            lres = dots(Ln, dpi); ilres = dots(il, dpi); top = dots(tb, dpi); bottom = top
        pitch = 0
        if kind == 75:
            pitch = lres + dots(gap, dpi)
        elif kind == 76:
            pitch = lres
        mwd = dots(mw, dpi) if kind == 76 else 0
        mod_ = 0
        kc = {74: 0, 75: 1, 76: 2}[kind]
        r12 = [top & 255, top >> 8, mod_ & 255, (mod_ >> 8) & 255, mwd & 255, mwd >> 8, kc, bottom & 255, bottom >> 8, 0, 0, 0]
        iname = inch(W) + '"' + (" Continuous" if kind == 74 else (" x " + inch(Ln) + '"' + (" Black Mark" if kind == 76 else " Labels")))
        if len(iname) > 31:
            iname = iname.replace(" Labels", "")
        L += ["[Paper%02d]" % i,
              "szPaperName_mm=" + name, "szPaperName_inch=" + iname,
              'szPaperWidthString_inch=' + inch(W) + '"',
              'szPaperLengthString_inch=' + (inch(Ln) + '"' if kind != 74 else '-- "'),
              "nType=0x%x" % (75 if kind == 76 else kind), "nPaperSize=%d" % size,
              "nPaperWidth=%d" % W, "nImageAreaWidth=%d" % iw, "nPaperWidthRes=%d" % wres,
              "nImageAreaWidthRes=%d" % iwres, "nPaperLength=%d" % Lx, "nImageAreaLength=%d" % il,
              "nPaperLengthRes=%d" % lres, "nImageAreaLengthRes=%d" % ilres,
              "nPhysicalOffsetX=%d" % left, "nPhysicalOffsetY=%d" % top,
              "wPinOffsetLeft=%d" % pinl, "wPinOffsetRight=%d" % pinr,
              "nMaxFeed=%d" % (1500 if kind == 74 else 0), "nMaxLength=%d" % (10000 if kind == 74 else 0),
              "nMinLength=%d" % (60 if kind == 74 else 0), "wSplit=0",
              "nClipInfoLeft=0", "nClipInfoRight=0", "nClipInfoTop=0", "nClipInfoBottom=0",
              "nVirtualOffsetX=0", "nVirtualOffsetY=0",
              "nCompatiblePaperSizes=%d" % size,
              "dwPaperAbility01=0x%08x" % (0x401 if kind == 74 else 0x400),
              "dwPaperAbility02=0x00000000", "byReserved001=0",
              "byEnergyRank=%d" % energy, "lblPitchDot=%d" % pitch, "markNoChkValu=0",
              "nSensorID=%d" % (2 if kind == 76 else (1 if kind == 75 else 0)),
              "byRollWidMm=%d" % ((W + 5) // 10), "byHeadDivide=0",
              "nDieStartPlus=0", "nDieStartRevPlus=0", "wDieStartFwdPlus=0", "nAfterFeedPlus=0",
              "wPafMediaID=%d" % size,
              "PresetBlkPos1_1=0", "PresetBlkPos2_1=0", "PresetBlkPos2_2=0",
              "PresetBlkPos3_1=0", "PresetBlkPos3_2=0", "PresetBlkPos3_3=0",
              "szSizeMM=" + name[:15], "szSizeIN=" + iname[:15],
              "MediaAtrInfo=0x%02x" % kc,
              "reserved_12_=" + ",".join(str(x) for x in r12),
              "0", ""]
    open(os.path.join(out, code + "ad.txt"), "w", newline="").write(CRLF.join(L) + CRLF)
    U = header(code, dev, dpi, head, ser, mod, code + "ed.mdt")
    open(os.path.join(out, code + "ed.txt"), "w", newline="").write(CRLF.join(U) + CRLF)
