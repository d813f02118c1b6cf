"""A small reader of the resources of a PE32+ file: the resource tree, the
version resource as nested blocks, and the manifest, so that tests can check
what Explorer and the loader will read from korvane.exe."""
import struct

RT_VERSION, RT_MANIFEST = 16, 24


class PEError(ValueError):
    pass


class PEFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise PEError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise PEError("no PE signature")
        machine, sections, _, _, _, opt_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        self.machine = machine
        opt = pe + 24
        magic = struct.unpack_from("<H", data, opt)[0]
        if magic != 0x20B:
            raise PEError("not PE32+ (optional header magic %#x)" % magic)
        # PE32+: the data directories start 112 bytes into the optional header.
        count = struct.unpack_from("<I", data, opt + 108)[0]
        if count < 3:
            raise PEError("no resource directory")
        self.resource_rva, self.resource_size = struct.unpack_from("<II", data, opt + 112 + 8 * 2)
        self.sections = []
        table = opt + opt_size
        for i in range(sections):
            name, vsize, va, raw_size, raw_ptr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((va, max(vsize, raw_size), raw_ptr, raw_size))

    def offset(self, rva):
        for va, size, raw, raw_size in self.sections:
            if va <= rva < va + size and rva - va < raw_size:
                return raw + rva - va
        raise PEError("RVA %#x lies in no section" % rva)

    def resources(self):
        """{(type, name, language): bytes} for numeric types and names."""
        if not self.resource_rva:
            return {}
        base = self.offset(self.resource_rva)
        out = {}

        def entries(at):
            named, ids = struct.unpack_from("<HH", self.data, base + at + 12)
            for i in range(named + ids):
                ident, target = struct.unpack_from("<II", self.data, base + at + 16 + 8 * i)
                yield ident, target

        for rtype, t in entries(0):
            for name, n in entries(t & 0x7FFFFFFF):
                for lang, leaf in entries(n & 0x7FFFFFFF):
                    if leaf & 0x80000000:
                        raise PEError("resource tree deeper than three levels")
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    at = self.offset(rva)
                    out[(rtype, name, lang)] = self.data[at:at + size]
        return out


def _block(data, at):
    """One VS_VERSIONINFO-style block at offset at: (key, value, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    if length < 6 or at + length > len(data):
        raise PEError("version block of length %d at %d" % (length, at))
    end = at + length
    pos = at + 6
    key_end = pos
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[pos:key_end].decode("utf-16-le")
    pos = (key_end + 2 + 3) & ~3
    if kind == 1:  # text: value_length counts characters, with the ending NUL
        raw = data[pos:pos + 2 * value_length]
        value = raw.decode("utf-16-le").rstrip("\0")
        pos += 2 * value_length
    else:
        value = data[pos:pos + value_length]
        pos += value_length
    pos = (pos + 3) & ~3
    children = []
    while pos < end:
        child = _block(data, pos)
        children.append(child[:3])
        pos = (child[3] + 3) & ~3
    return key, value, children, end


def version_info(blob):
    """{"fixed": (file version, product version, file type),
        "strings": {block key: {name: text}}, "translations": [(lang, codepage)]}."""
    key, value, children, _ = _block(blob, 0)
    if key != "VS_VERSION_INFO":
        raise PEError("version resource key %r" % key)
    sig, _, fv_ms, fv_ls, pv_ms, pv_ls, _, _, _, ftype = struct.unpack_from("<13I", value)[:10]
    if sig != 0xFEEF04BD:
        raise PEError("no VS_FIXEDFILEINFO")

    def quad(ms, ls):
        return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)

    result = {"fixed": (quad(fv_ms, fv_ls), quad(pv_ms, pv_ls), ftype), "strings": {},
              "translations": []}
    for ckey, _, blocks in children:
        if ckey == "StringFileInfo":
            for table, _, strings in blocks:
                result["strings"][table] = {name: text for name, text, _ in strings}
        elif ckey == "VarFileInfo":
            for _, raw, _ in blocks:
                for i in range(0, len(raw), 4):
                    result["translations"].append(struct.unpack_from("<HH", raw, i))
    return result
