#!/usr/bin/env python3
"""Finishes an installer that wixl built, with what wixl cannot do.

    msi_finish.py PACKAGE.msi SOURCE.wxs          finishes the package in place
    msi_finish.py product-code SOURCE.wxs VERSION ARCH
                                                  prints the product code to build it with

The Japanese texts: wixl drops every non-ASCII string of the database and leaves its code page
at 0, and it writes the summary's comments as UTF-8 bytes under code page 932. This sets the
database's code page to 932, puts back the texts the .wxs gives (the downgrade message, the
shortcut's description) with msitools, which stores them in that code page, and rewrites the
summary's comments in it. The texts are read from the .wxs, so they are written in one place.

One Zelvanu at a time: the package of one architecture replaces that of the other of the same
version (WiX's AllowSameVersionUpgrades, which wixl does not know), as it replaces any earlier
version of either.

The same bytes from the same inputs: wixl makes up a product code and a package code on every
build and dates the summary with the current time. The product code is derived from the upgrade
code, the version and the architecture, so that each version and architecture has its own, as a
major upgrade needs; the summary's dates are SOURCE_DATE_EPOCH; the package code, which names one
package's bytes, is derived from those bytes.
"""
import hashlib
import os
import struct
import subprocess
import sys
import tempfile
import uuid
import xml.etree.ElementTree as ET

WIX = '{http://schemas.microsoft.com/wix/2006/wi}'
CODEPAGE = 932
SUMMARY = '\x05SummaryInformation'
PID_CODEPAGE, PID_COMMENTS, PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 1, 6, 9, 12, 13
VT_I2, VT_LPSTR, VT_FILETIME = 2, 30, 64
# Windows' file times count 100-nanosecond steps from 1601-01-01, 11644473600 s before 1970.
FILETIME_1970 = 11644473600 * 10**7
VERSION_MAX_INCLUSIVE = 0x200
NO_CODE = '{00000000-0000-0000-0000-000000000000}'


def export(msi, table):
    return subprocess.run(['msiinfo', 'export', msi, table], check=True,
                          capture_output=True).stdout.decode('utf-8')


def import_table(msi, folder, table, text):
    path = os.path.join(folder, table + '.idt')
    with open(path, 'w', encoding='utf-8', newline='') as idt:
        idt.write(text)
    subprocess.run(['msibuild', msi, '-i', path], check=True)


def with_column(idt, match, column, value):
    """The table's IDT text with `column` set by `value(old)` in the rows for which `match(row)`
    holds; a row is a dict of the column names to their texts."""
    lines = idt.split('\r\n')
    names = lines[0].split('\t')
    found = False
    for i, line in enumerate(lines[3:], start=3):
        fields = line.split('\t')
        if len(fields) == len(names) and match(dict(zip(names, fields))):
            fields[names.index(column)] = value(fields[names.index(column)])
            lines[i] = '\t'.join(fields)
            found = True
    if not found:
        sys.exit(f'msi_finish: no row to change in {lines[2]}')
    return '\r\n'.join(lines)


def text_property(text):
    data = text.encode('cp932') + b'\0'
    return struct.pack('<II', VT_LPSTR, len(data)) + data + b'\0' * (-len(data) % 4)


def time_property(seconds):
    return struct.pack('<IQ', VT_FILETIME, FILETIME_1970 + seconds * 10**7)


def summary_with(stream, replaced):
    """The summary information stream with the properties `replaced` maps to their new values."""
    section = struct.unpack_from('<I', stream, 44)[0]
    count = struct.unpack_from('<I', stream, section + 4)[0]
    entries = [struct.unpack_from('<II', stream, section + 8 + 8 * i) for i in range(count)]
    values = {}
    ends = sorted(offset for _, offset in entries) + [struct.unpack_from('<I', stream, section)[0]]
    for pid, offset in entries:
        values[pid] = stream[section + offset:section + ends[ends.index(offset) + 1]]
    kind, codepage = struct.unpack_from('<Ih', values[PID_CODEPAGE])
    if kind != VT_I2 or codepage != CODEPAGE:
        sys.exit('msi_finish: the summary is not in code page 932')
    if not set(replaced) <= set(values):
        sys.exit('msi_finish: the summary lacks a property to set')
    values.update(replaced)
    body = b''
    table = b''
    start = 8 + 8 * len(entries)
    for pid, _ in entries:
        table += struct.pack('<II', pid, start + len(body))
        body += values[pid]
    rebuilt = struct.pack('<II', start + len(body), len(entries)) + table + body
    return stream[:section] + rebuilt


class Storage:
    """Rewrites one small stream of a compound file (the format of an MSI) in place: msitools can
    only add a second stream of the same name to the database's stream table, which Windows
    never reads. The stream lives in the mini stream, in a chain of 64-byte sectors; the new
    contents may not be longer than those sectors hold, and a shorter one frees the rest."""

    FREE, END = 0xFFFFFFFF, 0xFFFFFFFE

    def __init__(self, data):
        self.data = bytearray(data)
        shift, mini_shift = struct.unpack_from('<HH', self.data, 30)
        self.size, self.mini_size = 1 << shift, 1 << mini_shift
        (self.cutoff,) = struct.unpack_from('<I', self.data, 56)
        fat_count, directory = struct.unpack_from('<II', self.data, 44)
        (minifat,) = struct.unpack_from('<I', self.data, 60)
        if fat_count > 109:
            sys.exit('msi_finish: the package is too large for its allocation table to be read')
        self.fat = self.table(struct.unpack_from(f'<{fat_count}I', self.data, 76))
        self.minifat_sectors = self.chain(minifat)
        self.minifat = self.table(self.minifat_sectors)
        self.entries = [self.offset(sector) + i for sector in self.chain(directory)
                        for i in range(0, self.size, 128)]
        root = self.entries[0]
        self.mini_stream = self.chain(struct.unpack_from('<I', self.data, root + 116)[0])

    def offset(self, sector):
        return (sector + 1) * self.size

    def table(self, sectors):
        """An allocation table, the entries of its sectors one after the other."""
        per = self.size // 4
        return [entry for sector in sectors
                for entry in struct.unpack_from(f'<{per}I', self.data, self.offset(sector))]

    def chain(self, start, table=None):
        table = self.fat if table is None else table
        sectors = []
        while start not in (self.END, self.FREE):
            sectors.append(start)
            start = table[start]
        return sectors

    def mini_offset(self, sector):
        byte = sector * self.mini_size
        return self.offset(self.mini_stream[byte // self.size]) + byte % self.size

    def entry(self, name):
        for entry in self.entries:
            length = struct.unpack_from('<H', self.data, entry + 64)[0]
            if length and self.data[entry:entry + length - 2].decode('utf-16-le') == name:
                return entry
        sys.exit(f'msi_finish: no stream {name!r} in the package')

    def read(self, name):
        entry = self.entry(name)
        start, size = struct.unpack_from('<II', self.data, entry + 116)
        if size >= self.cutoff:
            sys.exit(f'msi_finish: {name!r} is not a small stream')
        return b''.join(self.data[self.mini_offset(s):self.mini_offset(s) + self.mini_size]
                        for s in self.chain(start, self.minifat))[:size]

    def write(self, name, contents):
        entry = self.entry(name)
        sectors = self.chain(struct.unpack_from('<I', self.data, entry + 116)[0], self.minifat)
        needed = -(-len(contents) // self.mini_size)
        if needed > len(sectors) or needed == 0:
            sys.exit(f'msi_finish: the new {name!r} does not fit where the old one was')
        padded = contents.ljust(len(sectors) * self.mini_size, b'\0')
        for i, sector in enumerate(sectors):
            at = self.mini_offset(sector)
            self.data[at:at + self.mini_size] = padded[i * self.mini_size:(i + 1) * self.mini_size]
            if i == needed - 1:
                self.minifat[sector] = self.END
            elif i >= needed:
                self.minifat[sector] = self.FREE
        per = self.size // 4
        for i, sector in enumerate(self.minifat_sectors):
            struct.pack_into(f'<{per}I', self.data, self.offset(sector),
                             *self.minifat[i * per:(i + 1) * per])
        struct.pack_into('<I', self.data, entry + 120, len(contents))


def code(namespace, name):
    return '{' + str(uuid.uuid5(uuid.UUID(namespace), name)).upper() + '}'


def upgrade_code(source):
    return source.find(f'{WIX}Product').get('UpgradeCode')


def product_code(wxs, version, arch):
    return code(upgrade_code(ET.parse(wxs).getroot()), f'Zelvanu {version} {arch}')


def finish(msi, wxs):
    source = ET.parse(wxs).getroot()
    upgrade = upgrade_code(source)
    downgrade = source.find(f'.//{WIX}MajorUpgrade').get('DowngradeErrorMessage')
    shortcut = source.find(f'.//{WIX}Shortcut')
    comments = source.find(f'.//{WIX}Package').get('Comments')
    epoch = int(os.environ['SOURCE_DATE_EPOCH'])
    with tempfile.TemporaryDirectory() as folder:
        import_table(msi, folder, '_ForceCodepage', f'\r\n\r\n{CODEPAGE}\t_ForceCodepage\r\n')
        import_table(msi, folder, 'LaunchCondition',
                     with_column(export(msi, 'LaunchCondition'),
                                 lambda row: row['Condition'] == 'NOT WIX_DOWNGRADE_DETECTED',
                                 'Description', lambda _: downgrade))
        import_table(msi, folder, 'Shortcut',
                     with_column(export(msi, 'Shortcut'),
                                 lambda row: row['Shortcut'] == shortcut.get('Id'),
                                 'Description', lambda _: shortcut.get('Description')))
        import_table(msi, folder, 'Upgrade',
                     with_column(export(msi, 'Upgrade'),
                                 lambda row: row['ActionProperty'] == 'WIX_UPGRADE_DETECTED',
                                 'Attributes', lambda old: str(int(old) | VERSION_MAX_INCLUSIVE)))
    with open(msi, 'rb') as package:
        storage = Storage(package.read())
    summary = {PID_COMMENTS: text_property(comments), PID_CREATE_DTM: time_property(epoch),
               PID_LASTSAVE_DTM: time_property(epoch), PID_REVNUMBER: text_property(NO_CODE)}
    storage.write(SUMMARY, summary_with(storage.read(SUMMARY), summary))
    # The package code names the package's bytes as they are with no code in them.
    package_code = code(upgrade, hashlib.sha256(storage.data).hexdigest())
    storage.write(SUMMARY, summary_with(storage.read(SUMMARY),
                                        {PID_REVNUMBER: text_property(package_code)}))
    with open(msi, 'wb') as package:
        package.write(storage.data)


if __name__ == '__main__':
    if len(sys.argv) == 5 and sys.argv[1] == 'product-code':
        print(product_code(*sys.argv[2:]))
    elif len(sys.argv) == 3:
        finish(*sys.argv[1:])
    else:
        sys.exit(__doc__)
