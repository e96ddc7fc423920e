"""The text the user loads, the register found on disk, and the files that saving must leave.

Everything on disk is Windows-1250; the expectations are worked out by hand below rather than by
running the analysis again, so that the test does not repeat the program's own reasoning.
"""

ENCODING = "cp1250"

# Three lines with LF endings. Loading turns each LF into CR LF, so the program analyses
# "Ala ma Żuka\r\nżuk je Łódź\r\nĆMA i ŁÓDŹ\r\n".
TEXT = "Ala ma Żuka\nżuk je Łódź\nĆMA i ŁÓDŹ\n".encode(ENCODING)

# Typed into the base name field. Plain ASCII: xdotool types a letter that the keyboard map
# lacks by mapping it to a spare key for a moment, and the program may read that key after the
# map has changed back. Names with Polish letters are the window tests' concern.
BASE_NAME = "mowa"

# The alphabet pass (1): each character once, only A to Z lower-cased, the space left out.
# "Ż", "Ł" and "Ć" keep the form in which they first occur: the later "ż", "ŁÓ", "Ź" count as
# present, since the list compares Polish capitals and small letters as equal. CR and LF come
# from the line breaks that loading made. Polish collation: control characters first, then
# a, ć, d, e, i, j, k, l, ł, m, ó, u, ź, ż.
ALPHABET = ["\n", "\r", "a", "Ć", "d", "e", "i", "j", "k", "l", "Ł", "m", "ó", "u", "ź", "Ż"]

# The connection pass (2): non-overlapping pairs from left to right, never across a space.
# Every line ends in a word of even length, so each line break pairs as CR LF.
#   "Ala ma Żuka"  al, ma, Żu, ka      "żuk je Łódź"  (żu = Żu), je, Łó, dź
#   "ĆMA i ŁÓDŹ"   Ćm, (ŁÓ = Łó), (dŹ = dź)
CONNECTIONS = ["\r\n", "al", "Ćm", "dź", "je", "ka", "Łó", "ma", "Żu"]

# (3) puts the alphabet and then the connections into the sample list, which the save writes
# with CR LF after every entry.
RECORDING_LIST = b"".join(entry.encode(ENCODING) + b"\r\n" for entry in ALPHABET + CONNECTIONS)

# An earlier register with a lone LF between its entries and no break after the last one; the
# save rewrites it with CR LF after every entry and the new name last.
REGISTER_BEFORE = "pierwsza\nżółw".encode(ENCODING)
REGISTER_AFTER = ("pierwsza\r\nżółw\r\n" + BASE_NAME + "\r\n").encode(ENCODING)

STRUCTURES = bytes(5544)
