#include "FieldTable.h"

namespace {

struct SFieldTableRow
{
    short left, top, right, bottom;
    short printLeft, printTop, printRight, printBottom;
    quint8 flags;
    quint8 sizeClass;
};

// Screen and print rectangles of every field, 0.1 mm from the sheet's top-left corner.
const SFieldTableRow kMainRows[kMainFieldCount] = {
    {1074, 115, 1165, 175, 1055, 115, 1215, 175, 0x00, 0}, // 0 box 1: Anmeldung, first subdivision
    {1175, 115, 1215, 175, 1145, 115, 1265, 175, 0x00, 0}, // 1 box 1: Anmeldung, second subdivision
    {1230, 115, 1370, 175, 1280, 115, 1420, 175, 0x01, 0}, // 2 box 1: Anmeldung, third subdivision
    {1425, 40, 1540, 90, 1475, 50, 1590, 90, 0x0B, 0}, // 3 box A: stamp line 1
    {1550, 35, 1965, 100, 1600, 50, 2015, 90, 0x0B, 0}, // 4 box A: stamp line 2
    {1425, 120, 1725, 170, 1475, 120, 1775, 170, 0x0B, 0}, // 5 box A: stamp line 3
    {1735, 120, 1965, 170, 1785, 120, 2015, 170, 0x0B, 0}, // 6 box A: stamp line 4 (date)
    {1425, 195, 1815, 260, 1475, 190, 1865, 250, 0x0B, 0}, // 7 box A: stamp line 5
    {1825, 200, 1965, 250, 1875, 190, 2015, 250, 0x0B, 0}, // 8 box A: stamp line 6
    {630, 104, 1050, 154, 680, 104, 1100, 154, 0x00, 0}, // 9 box 2: Versender/Ausführer, number (Nr.)
    {160, 152, 1050, 354, 125, 152, 1100, 354, 0x00, 0}, // 10 box 2: Versender/Ausführer, name and address
    {1080, 205, 1145, 265, 1060, 205, 1195, 265, 0x00, 0}, // 11 box 3: Vordrucke, sheet number
    {1158, 205, 1216, 265, 1130, 205, 1266, 265, 0x00, 0}, // 12 box 3: Vordrucke, number of sheets
    {1230, 205, 1370, 265, 1280, 205, 1420, 265, 0x00, 0}, // 13 box 4: Ladelisten
    {1080, 294, 1215, 354, 1060, 294, 1265, 354, 0x00, 0}, // 14 box 5: Positionen
    {1230, 294, 1430, 354, 1190, 294, 1480, 354, 0x00, 0}, // 15 box 6: Packstücke insgesamt
    {630, 360, 1050, 410, 680, 360, 1100, 410, 0x00, 0}, // 16 box 8: Empfänger, number (Nr.)
    {160, 405, 1050, 610, 125, 405, 1100, 610, 0x00, 0}, // 17 box 8: Empfänger, name and address
    {630, 615, 1050, 665, 680, 615, 1100, 665, 0x00, 0}, // 18 box 14: Anmelder/Vertreter, number (Nr.)
    {160, 645, 1050, 775, 125, 645, 1100, 775, 0x00, 0}, // 19 box 14: Anmelder/Vertreter, name and address
    {1080, 634, 1525, 693, 1045, 634, 1575, 693, 0x00, 0}, // 20 box 15: Versendungs-/Ausfuhrland
    {1550, 720, 1990, 780, 1515, 720, 2040, 780, 0x00, 0}, // 21 box 17: Bestimmungsland
    {160, 805, 860, 862, 125, 805, 910, 862, 0x00, 0}, // 22 box 18: Beförderungsmittel beim Abgang, identity
    {890, 805, 960, 862, 835, 805, 1010, 862, 0x00, 0}, // 23 box 18: Beförderungsmittel beim Abgang, nationality
    {980, 805, 1060, 862, 940, 805, 1110, 862, 0x00, 0}, // 24 box 19: Ctr. (container 0/1)
    {160, 892, 960, 948, 125, 892, 1010, 948, 0x00, 0}, // 25 box 21: aktives grenzüberschreitendes Beförderungsmittel, identity
    {980, 892, 1060, 948, 940, 892, 1110, 948, 0x00, 0}, // 26 box 21: aktives grenzüberschreitendes Beförderungsmittel, nationality
    {160, 975, 220, 1033, 125, 975, 270, 1033, 0x00, 0}, // 27 box 25: Verkehrszweig an der Grenze
    {620, 975, 1050, 1033, 610, 975, 1100, 1033, 0x00, 0}, // 28 box 27: Ladeort
    {160, 1155, 1160, 1500, 125, 1155, 1230, 1500, 0x00, 0}, // 29 box 31: Packstücke und Warenbezeichnung
    {1180, 1146, 1245, 1202, 1145, 1146, 1295, 1202, 0x00, 0}, // 30 box 32: Positions-Nr.
    {1310, 1146, 1525, 1202, 1360, 1146, 1575, 1202, 0x00, 0}, // 31 box 33: Warennummer
    {1545, 1229, 1830, 1288, 1510, 1229, 1880, 1288, 0x00, 0}, // 32 box 35: Rohmasse (kg)
    {1545, 1316, 1830, 1372, 1510, 1316, 1880, 1372, 0x00, 0}, // 33 box 38: Eigenmasse (kg)
    {1307, 1400, 1982, 1460, 1272, 1400, 2032, 1460, 0x00, 0}, // 34 box 40: Summarische Anmeldung/Vorpapier
    {160, 1510, 1580, 1705, 125, 1510, 1630, 1705, 0x00, 0}, // 35 box 44: Besondere Vermerke (text)
    {1305, 1575, 1580, 1625, 1270, 1575, 1630, 1625, 0x00, 0}, // 36 box 44: inner box left of Code B. V.
    {350, 1710, 1050, 1750, 400, 1705, 1110, 1755, 0x00, 0}, // 37 box 55: Umladung, left: Ort und Land
    {1290, 1710, 1990, 1750, 1340, 1705, 2040, 1755, 0x00, 0}, // 38 box 55: Umladung, right: Ort und Land
    {595, 1755, 1050, 1795, 645, 1745, 1110, 1795, 0x00, 0}, // 39 box 55: Umladung, left: Kennz. und Staatsz. d. Bef.mittels
    {1535, 1755, 1990, 1795, 1585, 1745, 2040, 1795, 0x00, 0}, // 40 box 55: Umladung, right: Kennz. und Staatsz. d. Bef.mittels
    {210, 1800, 255, 1840, 260, 1790, 305, 1835, 0x00, 0}, // 41 box 55: Umladung, left: Ctr.
    {630, 1800, 1050, 1840, 645, 1790, 1110, 1835, 0x00, 0}, // 42 box 55: Umladung, left: Kennz. d. neuen Containers
    {1150, 1800, 1195, 1840, 1190, 1790, 1235, 1835, 0x00, 0}, // 43 box 55: Umladung, right: Ctr.
    {1540, 1800, 1990, 1840, 1585, 1790, 2040, 1835, 0x00, 0}, // 44 box 55: Umladung, right: Kennz. d. neuen Containers
    {440, 1885, 560, 1930, 490, 1880, 610, 1930, 0x00, 0}, // 45 box F: Sichtvermerk, left: Neue Verschlüsse Anzahl
    {660, 1885, 1060, 1930, 710, 1880, 1110, 1930, 0x00, 0}, // 46 box F: Sichtvermerk, left: Zeichen
    {1375, 1885, 1485, 1930, 1425, 1880, 1535, 1930, 0x00, 0}, // 47 box F: Sichtvermerk, right: Neue Verschlüsse Anzahl
    {1610, 1885, 1990, 1930, 1660, 1880, 2040, 1930, 0x00, 0}, // 48 box F: Sichtvermerk, right: Zeichen
    {630, 2133, 1050, 2181, 680, 2133, 1100, 2181, 0x00, 0}, // 49 box 50: Inhaber, number (Nr.)
    {160, 2180, 1360, 2287, 125, 2180, 1410, 2287, 0x00, 0}, // 50 box 50: Inhaber, name and address
    {350, 2287, 1360, 2335, 400, 2287, 1410, 2335, 0x00, 0}, // 51 box 50: vertreten durch
    {350, 2335, 1360, 2383, 400, 2335, 1410, 2383, 0x00, 0}, // 52 box 50: Ort und Datum
    {1425, 2160, 1540, 2210, 1475, 2160, 1590, 2210, 0x0B, 0}, // 53 box C: stamp line 1
    {1550, 2145, 1965, 2210, 1600, 2160, 2015, 2210, 0x0B, 0}, // 54 box C: stamp line 2
    {1425, 2240, 1725, 2290, 1475, 2240, 1775, 2290, 0x0B, 0}, // 55 box C: stamp line 3
    {1735, 2240, 1965, 2290, 1785, 2240, 2015, 2290, 0x0B, 0}, // 56 box C: stamp line 4 (date)
    {1425, 2310, 1815, 2375, 1475, 2320, 1865, 2370, 0x0B, 0}, // 57 box C: stamp line 5
    {1825, 2320, 1965, 2370, 1875, 2320, 2015, 2370, 0x0B, 0}, // 58 box C: stamp line 6
    {160, 2385, 450, 2445, 125, 2395, 500, 2455, 0x00, 0}, // 59 box 51: Grenzübergangsstelle 1
    {460, 2395, 755, 2455, 425, 2395, 805, 2455, 0x00, 0}, // 60 box 51: Grenzübergangsstelle 2
    {765, 2395, 1055, 2455, 730, 2395, 1105, 2455, 0x00, 0}, // 61 box 51: Grenzübergangsstelle 3
    {1070, 2395, 1360, 2455, 1035, 2395, 1410, 2455, 0x00, 0}, // 62 box 51: Grenzübergangsstelle 4
    {1375, 2395, 1660, 2455, 1340, 2395, 1710, 2455, 0x00, 0}, // 63 box 51: Grenzübergangsstelle 5
    {1680, 2395, 1982, 2455, 1645, 2395, 2032, 2455, 0x00, 0}, // 64 box 51: Grenzübergangsstelle 6
    {160, 2460, 1280, 2520, 125, 2455, 1320, 2520, 0x00, 0}, // 65 box 52: Sicherheit
    {160, 2510, 1280, 2560, 125, 2500, 1320, 2560, 0x00, 0}, // 66 box 52: nicht gültig für
    {1300, 2500, 1360, 2556, 1350, 2500, 1410, 2556, 0x00, 0}, // 67 box 52: Code
    {1375, 2500, 1982, 2556, 1425, 2500, 2032, 2556, 0x00, 0}, // 68 box 53: Bestimmungszollstelle (und Land)
    {1350, 2595, 1980, 2655, 1400, 2595, 2030, 2655, 0x00, 0}, // 69 box 54: Ort und Datum
    {1350, 2690, 1980, 2940, 1400, 2690, 2030, 2940, 0x00, 0}, // 70 box 54: Unterschrift und Name des Anmelders/Vertreters
    {490, 2565, 1040, 2615, 540, 2565, 1090, 2615, 0x00, 0}, // 71 box D: Prüfung durch die Abgangszollstelle, line 1
    {180, 2605, 1040, 2655, 150, 2605, 1090, 2655, 0x00, 0}, // 72 box D: line 2
    {490, 2645, 1040, 2695, 540, 2645, 1090, 2695, 0x00, 0}, // 73 box D: line 3
    {490, 2690, 1040, 2740, 540, 2690, 1090, 2740, 0x00, 0}, // 74 box D: line 4
    {490, 2735, 1040, 2785, 540, 2735, 1090, 2785, 0x00, 0}, // 75 box D: line 5
    {1615, 1575, 1705, 1625, 1605, 1575, 1705, 1625, 0x00, 0}, // 76 box 44: Code B. V.
    {750, 45, 1040, 95, 0, 0, 0, 0, 0x0B, 0}, // 77 box -: sheet head, right of EUROPÄISCHE UNION
    {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0}, // 78 box -: reserved (empty rectangle)
    {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0}, // 79 box -: reserved (empty rectangle)
};

const SFieldTableRow kContRows[kContFieldCount] = {
    {750, 45, 1040, 95, 800, 25, 1090, 95, 0x00, 3}, // 0 box -: sheet head, right of EUROPÄISCHE UNION
    {1425, 40, 1540, 90, 1475, 30, 1590, 90, 0x00, 3}, // 1 box A: stamp line 1
    {1550, 30, 1965, 90, 1600, 30, 2015, 90, 0x00, 3}, // 2 box A: stamp line 2
    {1425, 120, 1725, 170, 1475, 100, 1775, 170, 0x00, 3}, // 3 box A: stamp line 3
    {1735, 120, 1965, 170, 1785, 100, 2105, 170, 0x00, 3}, // 4 box A: stamp line 4 (date)
    {1425, 185, 1815, 250, 1475, 160, 1865, 250, 0x00, 3}, // 5 box A: stamp line 5
    {1825, 200, 1965, 250, 1875, 180, 2015, 250, 0x00, 3}, // 6 box A: stamp line 6
    {630, 104, 1050, 144, 640, 74, 1100, 144, 0x00, 1}, // 7 box 2: number (Nr.)
    {160, 138, 1050, 260, 125, 100, 1130, 260, 0x00, 1}, // 8 box 2: name and address
    {1080, 205, 1145, 265, 1045, 185, 1195, 265, 0x00, 3}, // 9 box 3: Vordrucke, sheet number
    {1158, 205, 1216, 265, 1123, 185, 1266, 265, 0x00, 3}, // 10 box 3: Vordrucke, number of sheets
    {160, 299, 1160, 640, 125, 279, 1210, 644, 0x00, 3}, // 11 box 31: position 1: Packstücke und Warenbezeichnung
    {1180, 290, 1245, 347, 1145, 270, 1295, 347, 0x00, 3}, // 12 box 32: position 1: Positions-Nr.
    {1310, 290, 1525, 347, 1275, 270, 1575, 347, 0x00, 3}, // 13 box 33: position 1: Warennummer
    {1545, 374, 1830, 430, 1510, 354, 1880, 430, 0x00, 3}, // 14 box 35: position 1: Rohmasse (kg)
    {1545, 459, 1830, 515, 1510, 439, 1880, 515, 0x00, 3}, // 15 box 38: position 1: Eigenmasse (kg)
    {1307, 544, 1982, 604, 1272, 524, 2032, 604, 0x00, 3}, // 16 box 40: position 1: Summarische Anmeldung/Vorpapier
    {160, 653, 1290, 855, 125, 633, 1340, 855, 0x00, 1}, // 17 box 44: position 1: Besondere Vermerke (text)
    {1305, 720, 1580, 770, 1275, 700, 1630, 770, 0x00, 3}, // 18 box 44: position 1: inner box left of Code B. V.
    {1620, 720, 1695, 770, 1575, 700, 1695, 770, 0x00, 3}, // 19 box 44: position 1: Code B. V.
    {160, 889, 1160, 1232, 125, 854, 1210, 1237, 0x00, 3}, // 20 box 31: position 2: Packstücke und Warenbezeichnung
    {1180, 880, 1245, 936, 1145, 845, 1295, 941, 0x00, 3}, // 21 box 32: position 2: Positions-Nr.
    {1310, 880, 1525, 936, 1275, 845, 1575, 941, 0x00, 3}, // 22 box 33: position 2: Warennummer
    {1545, 963, 1830, 1022, 1510, 928, 1880, 1027, 0x00, 3}, // 23 box 35: position 2: Rohmasse (kg)
    {1545, 1050, 1830, 1107, 1595, 1015, 1880, 1112, 0x00, 3}, // 24 box 38: position 2: Eigenmasse (kg)
    {1307, 1134, 1982, 1194, 1272, 1099, 2032, 1199, 0x00, 3}, // 25 box 40: position 2: Summarische Anmeldung/Vorpapier
    {160, 1243, 1290, 1445, 125, 1208, 1340, 1450, 0x00, 1}, // 26 box 44: position 2: Besondere Vermerke (text)
    {1305, 1310, 1580, 1360, 1275, 1280, 1630, 1365, 0x00, 3}, // 27 box 44: position 2: inner box left of Code B. V.
    {1620, 1310, 1695, 1360, 1575, 1270, 1695, 1360, 0x00, 3}, // 28 box 44: position 2: Code B. V.
    {160, 1479, 1160, 1824, 125, 1459, 1210, 1834, 0x00, 3}, // 29 box 31: position 3: Packstücke und Warenbezeichnung
    {1180, 1470, 1245, 1526, 1145, 1450, 1295, 1536, 0x00, 3}, // 30 box 32: position 3: Positions-Nr.
    {1310, 1470, 1525, 1526, 1275, 1450, 1575, 1536, 0x00, 3}, // 31 box 33: position 3: Warennummer
    {1545, 1553, 1830, 1612, 1510, 1533, 1880, 1622, 0x00, 3}, // 32 box 35: position 3: Rohmasse (kg)
    {1545, 1640, 1830, 1696, 1510, 1620, 1880, 1706, 0x00, 3}, // 33 box 38: position 3: Eigenmasse (kg)
    {1307, 1724, 1982, 1782, 1272, 1704, 2032, 1792, 0x00, 3}, // 34 box 40: position 3: Summarische Anmeldung/Vorpapier
    {160, 1833, 1290, 2035, 125, 1813, 1340, 2045, 0x00, 1}, // 35 box 44: position 3: Besondere Vermerke (text)
    {1305, 1900, 1580, 1950, 1275, 1880, 1630, 1960, 0x00, 3}, // 36 box 44: position 3: inner box left of Code B. V.
    {1620, 1900, 1695, 1950, 1575, 1870, 1695, 1950, 0x00, 3}, // 37 box 44: position 3: Code B. V.
    {1450, 2660, 1565, 2710, 1450, 2630, 1565, 2710, 0x00, 1}, // 38 box C: stamp line 1
    {1575, 2660, 1990, 2725, 1575, 2630, 1990, 2710, 0x00, 1}, // 39 box C: stamp line 2
    {1450, 2740, 1750, 2790, 1450, 2710, 1750, 2790, 0x00, 1}, // 40 box C: stamp line 3
    {1760, 2740, 1990, 2790, 1760, 2710, 1990, 2790, 0x00, 1}, // 41 box C: stamp line 4 (date)
    {1450, 2820, 1840, 2885, 1450, 2790, 1840, 2870, 0x00, 1}, // 42 box C: stamp line 5
    {1845, 2820, 1985, 2870, 1845, 2790, 1985, 2870, 0x00, 3}, // 43 box C: stamp line 6
};

const SFieldTableRow& Row(int index, int sheetKind)
{
    if (sheetKind == kMainSheet)
        return kMainRows[(index >= 0 && index < kMainFieldCount) ? index : 0];
    return kContRows[(index >= 0 && index < kContFieldCount) ? index : 0];
}

} // namespace

int CFieldTable::FieldCount(int sheetKind)
{
    return sheetKind == kMainSheet ? kMainFieldCount : kContFieldCount;
}

SFieldTableRect CFieldTable::ScreenRect(int index, int sheetKind, int zoom)
{
    const SFieldTableRow& r = Row(index, sheetKind);
    return {r.left * zoom / 10, r.top * zoom / 10, r.right * zoom / 10, r.bottom * zoom / 10};
}

SFieldTableRect CFieldTable::PrintRect(int index, int sheetKind)
{
    const SFieldTableRow& r = Row(index, sheetKind);
    return {r.printLeft, r.printTop, r.printRight, r.printBottom};
}

quint8 CFieldTable::DefaultFlags(int index, int sheetKind)
{
    if (index < 0 || index >= FieldCount(sheetKind))
        return 0;
    return Row(index, sheetKind).flags;
}

int CFieldTable::ContDefaultSizeClass(int index)
{
    return Row(index, kContSheet).sizeClass;
}
