#!/usr/bin/env python3
"""Stores the installer's Japanese texts in code page 932, which wixl cannot do.

    msi_japanese.py PACKAGE.msi SOURCE.wxs

wixl drops every non-ASCII string of the database and leaves its code page at 0, and it writes
the summary's comments as UTF-8 bytes under code page 932. This sets the database's code page to
932, puts back the texts the .wxs gives (the downgrade message, the shortcut's description) with
msitools, which stores them in that code page, and rewrites the summary's comments in it. The
texts are read from the .wxs, so they are written in one place.
"""
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

WIX = '{http://schemas.microsoft.com/wix/2006/wi}'
CODEPAGE = 932
SUMMARY = '\x05SummaryInformation'
PID_CODEPAGE, PID_COMMENTS = 1, 6
VT_I2, VT_LPSTR = 2, 30


def export(msi, table):
    return subprocess.run(['msiinfo', 'export', msi, table], check=True,
                          capture_output=True).stdout.decode('utf-8')


def import_table(msi, folder, table, text):
    path = os.path.join(folder, table + '.idt')
    with open(path, 'w', encoding='utf-8', newline='') as idt:
        idt.write(text)
    subprocess.run(['msibuild', msi, '-i', path], check=True)


def with_column(idt, key, column, value):
    """The table's IDT text with `column` set to `value` in the row whose first field is `key`."""
    lines = idt.split('\r\n')
    names = lines[0].split('\t')
    found = False
    for i, line in enumerate(lines[3:], start=3):
        fields = line.split('\t')
        if fields[0] == key:
            fields[names.index(column)] = value
            lines[i] = '\t'.join(fields)
            found = True
    if not found:
        sys.exit(f'msi_japanese: no row {key} in {lines[2]}')
    return '\r\n'.join(lines)


def summary_with_comments(stream, comments):
    """The summary information stream with its comments re-encoded in the code page."""
    section = struct.unpack_from('<I', stream, 44)[0]
    count = struct.unpack_from('<I', stream, section + 4)[0]
    entries = [struct.unpack_from('<II', stream, section + 8 + 8 * i) for i in range(count)]
    values = {}
    ends = sorted(offset for _, offset in entries) + [struct.unpack_from('<I', stream, section)[0]]
    for pid, offset in entries:
        values[pid] = stream[section + offset:section + ends[ends.index(offset) + 1]]
    kind, codepage = struct.unpack_from('<Ih', values[PID_CODEPAGE])
    if kind != VT_I2 or codepage != CODEPAGE:
        sys.exit('msi_japanese: the summary is not in code page 932')
    text = comments.encode('cp932') + b'\0'
    text += b'\0' * (-len(text) % 4)
    values[PID_COMMENTS] = struct.pack('<II', VT_LPSTR, len(comments.encode('cp932')) + 1) + text
    body = b''
    table = b''
    start = 8 + 8 * len(entries)
    for pid, _ in entries:
        table += struct.pack('<II', pid, start + len(body))
        body += values[pid]
    rebuilt = struct.pack('<II', start + len(body), len(entries)) + table + body
    return stream[:section] + rebuilt


def main(msi, wxs):
    source = ET.parse(wxs).getroot()
    downgrade = source.find(f'.//{WIX}MajorUpgrade').get('DowngradeErrorMessage')
    shortcut = source.find(f'.//{WIX}Shortcut')
    comments = source.find(f'.//{WIX}Package').get('Comments')
    with tempfile.TemporaryDirectory() as folder:
        import_table(msi, folder, '_ForceCodepage', f'\r\n\r\n{CODEPAGE}\t_ForceCodepage\r\n')
        import_table(msi, folder, 'LaunchCondition',
                     with_column(export(msi, 'LaunchCondition'), 'NOT WIX_DOWNGRADE_DETECTED',
                                 'Description', downgrade))
        import_table(msi, folder, 'Shortcut',
                     with_column(export(msi, 'Shortcut'), shortcut.get('Id'), 'Description',
                                 shortcut.get('Description')))
        old = subprocess.run(['msiinfo', 'extract', msi, SUMMARY], check=True,
                             capture_output=True).stdout
        path = os.path.join(folder, 'summary')
        with open(path, 'wb') as stream:
            stream.write(summary_with_comments(old, comments))
        subprocess.run(['msibuild', msi, '-a', SUMMARY, path], check=True)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
