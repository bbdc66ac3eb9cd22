#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz harnesses into fuzz/corpus.

Usage: fuzz/make_seeds.py DEMO_FOLDER
DEMO_FOLDER is a demo congregation: velno-cli --today 2025-03-10 demo --out DIR --publishers 5
"""
import os
import struct
import sys

LOAD_NAMES = ["tdat9.bin", "xten7.dat", "remark9.dat", "bkstudy.dat", "meetin9.dat", "tcard.dat",
              "tlt15.dat", "tappt.dat", "emerg.dat", "spneed.dat", "vnxcfg.cfg", "rmkundo.dat",
              "velno.commit"]
PREVIOUS_NAMES = ["tdat7.bin", "tinac7.dat", "tmove7.dat", "tnopu7.dat", "tdele7.dat", "remark7.dat",
                  "spcards.dat", "oddmo7.dat", "meeting.dat", "bkstudy.dat",
                  "Roll/Vn7_8/remark7.dat", "Roll/Vn7_8/spcards.dat"]


def pack(names, files):
    out = b""
    for name, data in files:
        data = data[:65535]
        out += bytes([names.index(name)]) + struct.pack("<H", len(data)) + data
    return out


def write(harness, seed, data):
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, seed), "wb") as f:
        f.write(data)


XML_PUB = ("<Pub><id>100</id><fname>A</fname><lname>B</lname><addr>Jl. &amp; 1</addr>"
           "<May Year=\"2025\"><Plcmts>0</Plcmts><Videos>0</Videos><Hours>3\u00bd</Hours>"
           "<R.V.s>0</R.V.s><BiSt.>1</BiSt.><Remark>Sakit</Remark><Pio>Aux</Pio></May></Pub>")
XML_DOC = ("<PUBLIST><Agent Ver=\"9000\">Velno</Agent><Date>2025-05-05</Date><Count>1</Count>"
           "<Active>" + XML_PUB + "</Active></PUBLIST>")


def write_xml_seeds():
    """The XML harness's seeds: each encoding the loader detects, and broken texts."""
    write("fuzz_xml", "utf8-decl", ('<?xml version="1.0" encoding="UTF-8"?>' + XML_DOC).encode("utf-8"))
    write("fuzz_xml", "utf8-bom", b"\xef\xbb\xbf" + XML_DOC.encode("utf-8"))
    write("fuzz_xml", "utf16le", b"\xff\xfe" + XML_DOC.encode("utf-16-le"))
    write("fuzz_xml", "utf16be", b"\xfe\xff" + XML_DOC.encode("utf-16-be"))
    write("fuzz_xml", "cp1252", ('<?xml version="1.0" encoding="windows-1252"?>' + XML_DOC).encode("cp1252"))
    write("fuzz_xml", "html-meta", b'<html><head><meta http-equiv="Content-Type" '
          b'content="text/html; charset=iso-8859-5"></head><body>\xb0</body></html>')
    write("fuzz_xml", "cdata-comment-doctype",
          b'<!DOCTYPE r [<!ENTITY x "y">]><r><!-- c --><![CDATA[<a>]]>&#x20AC;&nbsp;</r>')
    write("fuzz_xml", "broken-unended", XML_DOC[:len(XML_DOC) // 2].encode("utf-8"))
    write("fuzz_xml", "broken-tags", b"<r></a><b x='1><<!-- <![CDATA[ </r><")
    write("fuzz_xml", "utf16-odd", b"\xff\xfe<\x00r\x00>\x00\x00")


def main():
    write_xml_seeds()
    demo = sys.argv[1]
    files = [(n, open(os.path.join(demo, n), "rb").read())
             for n in LOAD_NAMES if os.path.exists(os.path.join(demo, n))]
    write("fuzz_load", "demo", pack(LOAD_NAMES, files))
    main_only = [f for f in files if f[0] == "tdat9.bin"]
    write("fuzz_load", "main-only", pack(LOAD_NAMES, main_only))
    commit = b"velno-commit 1\nR\ttdat9.bin.velno-tmp-0123456789abcdef\ttdat9.bin\nD\ttappt.dat\nend\n"
    write("fuzz_load", "interrupted-commit",
          pack(LOAD_NAMES, main_only + [("velno.commit", commit)]))

    # The previous generation: records of 336 bytes (header first), groups
    # of 1881 bytes, remarks of 48.
    header = bytearray(336)
    header[23] = ord("A") + 61
    person = bytearray(336)
    person[0:2] = struct.pack("<H", 120)
    person[2:6] = b"Budi"
    person[23:30] = b"Santoso"
    remark = bytearray(48)
    remark[0:5] = b"sakit"
    remark[44] = 2
    remark[46:48] = struct.pack("<H", 120)
    write("fuzz_previous", "records", pack(PREVIOUS_NAMES, [
        ("tdat7.bin", bytes(header + person)), ("tinac7.dat", bytes(person)),
        ("remark7.dat", bytes(48) + bytes(remark)), ("bkstudy.dat", bytes([1]) + bytes(1880)),
        ("spcards.dat", bytes(864)), ("Roll/Vn7_8/remark7.dat", bytes(48) + bytes(remark))]))

    write("fuzz_settings", "velnoin.ini", (
        "[Label]\r\nTanggal lahir=1\r\nLabel Alternatif=0\r\nMargin Kiri=20\r\n"
        "[Laporan]\r\nTampilkanGrid=0\r\nTop Margin=50\r\nCongName=Sidang Contoh\r\n"
        "[Kategori Tambahan]\r\nEnabled=1\r\nKategori Tambahan=Perintis Sekolah\r\n"
        "[Sec]\r\nEmail=sekretaris@contoh.id\r\n[Early]\r\nYear=25\r\nMonth=4\r\n"
        "[Huruf Judul]\r\nTinggi=-20\r\nBerat=700\r\nFaceName=Arial\r\n").encode("cp1252"))

    entry = bytearray(512)
    label = b"Maret 10 2025 (Roll)"
    entry[0:len(label)] = label
    path = b"/home/sekretaris/velno/Roll/Vn9_2"
    entry[52:52 + len(path)] = path
    write("fuzz_catalogue", "one-entry", bytes(entry) + bytes(512 * 9))

    write("fuzz_viewoptions", "family-first", bytes([1, 0, 0, 0, 0, 1, 1]))
    csv_seeds()


def csv_seeds():
    """The report import's files; they need no demo folder."""
    write("fuzz_csv", "semicolons", (
        "Depan;Keluarga;Berdinas;PAR;Jam;Ket\r\nBudi;Santoso;1;2;60;15 jam\r\n"
        "Ani;Wijaya;0;0;0\r\n\"Jos\xc3\xa9\";\"O\"\"Neil\";1;1;740;x\r\n").encode("latin-1"))
    write("fuzz_csv", "tabs-utf8", (
        "\ufeffNama\tBerdinas\tPAR\tJam\tKet\tX\nBudi Santoso\t1\t3\t12\t20*\t\n"
        "\u0141ukasz\t1\t0\t5\t\t\n").encode("utf-8"))
    write("fuzz_csv", "commas", b"Nama,B,P,J,K\nSantoso, Budi,1,2,3,60!\n\"Wijaya, Ani\",1,0,0,\n")

    vnmap = bytearray(840)
    for t, column in enumerate([0, 1, 2, 3, 4, 5, -1, -1]):
        vnmap[4 * t:4 * t + 4] = struct.pack("<i", column)
    vnmap[36:40] = struct.pack("<i", 1)
    for t, head in enumerate([b"Depan", b"Keluarga", b"Berdinas", b"PAR", b"Jam", b"Ket"]):
        vnmap[40 + 80 * t:40 + 80 * t + len(head)] = head
    vnmap[760:770] = b"Version 10"
    write("fuzz_csvmaps", "vnmap", bytes(vnmap))
    record = bytearray(128)
    record[0:14] = b"Santoso, Budi\0"[:14]
    record[60:70] = b"B. Santoso"
    record[120:122] = struct.pack("<H", 120)
    write("fuzz_csvmaps", "tpmap", bytes(record) * 2)


if __name__ == "__main__":
    main()
