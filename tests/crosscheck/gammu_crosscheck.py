# Cross-check of shortmsg's PDU codec against libgammu (python3-gammu), both directions,
# over messages generated from a fixed seed:
#   send:    shortmsg-pdu encode builds SMS-SUBMITs (GSM 7-bit, UCS2, UCS2 in parts); their
#            layout is checked field by field, and gammu decodes them to the same
#            destination, service centre and text, and joins the parts to the whole text.
#   receive: gammu builds SMS-DELIVERs (GSM 7-bit with numeric and alphanumeric senders,
#            UCS2, 8-bit data, sets of two and three parts, fed out of order) and stored
#            SMS-SUBMITs; shortmsg-pdu decode --join reads them back to the same fields and
#            joins each set to the text gammu's own multi-part decoding gives.
# Characters where the terminal deliberately departs from the 3GPP TS 23.038 default
# alphabet are left out of the generated GSM texts (TERMINAL_DIFFERENCES). Where gammu itself
# departs from TS 23.038 / TS 23.040 the affected field is settled from the standard instead,
# and the case is counted under the fault's name (GAMMU_FAULTS); nothing else is compared
# loosely. Fails (never skips) when gammu is missing.
import argparse
import datetime
import json
import random
import subprocess
import sys
from collections import Counter

# TS 23.038 default alphabet (128 codes) and the characters of its extension table.
GSM_BASIC = ("@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞ\x1bÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
             "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà")
GSM_EXTENSION = "\x0c^{}\\[~]|€"
assert len(GSM_BASIC) == 128

# The terminal's own table differs from the standard here (on purpose): such characters are
# not generated in GSM texts. Sent, either one makes the terminal choose UCS2, which the
# UCS2 cases cover.
TERMINAL_DIFFERENCES = {
    "ù": "GSM 6 is ú (250) in the terminal's table; ù has no row",
    "É": "GSM 31 is Ê (202) in the terminal's table; É has no row",
}
GSM_POOL = [c for c in GSM_BASIC if c not in "ùÉ\x1b"]
# Texts the table does not carry: Latin letters, and some of every plane and script.
UNICODE_POOL = list("abcXYZ 019.,?ùÉ`\tжЖяПривет ΩλÆ€ℂ中文字한글שלוםمرحبا") + [
    "😀", "👋", "🚀", "\U00010348", "\U0010FFFD"]

# gammu's own departures from the standard, settled from the standard where they matter.
GAMMU_FAULTS = {
    "gammu-escape-tail": "DecodePDU gives TP-UDL characters though an escape pair (TS 23.038 "
                         "6.2.1.1) is one: the text is compared up to its length, and the tail "
                         "must be one character per pair",
    "gammu-star-hash": "DecodePDU drops the address digits A and B (\"*\", \"#\", TS 23.040 "
                       "9.1.2.3): such destinations are checked by the PDU layout alone",
    "gammu-empty-20-digit": "DecodePDU refuses an SMS-SUBMIT with a 20-digit destination "
                            "(TS 23.040 9.1.2.5 allows 20) and no user data: checked by layout",
    "gammu-alnum-ascii": "alphanumeric addresses are packed as ASCII, not the default alphabet "
                         "(TS 23.040 9.1.2.5): a name with \"@\" or \"_\" is compared with what "
                         "gammu's codes mean in the default alphabet",
}
CODINGS = {"gsm7": "Default_No_Compression", "ucs2": "Unicode_No_Compression", "8bit": "8bit"}


def septets_of(text):
    return sum(2 if c in GSM_EXTENSION else 1 for c in text)


def units_of(text):
    return len(text.encode("utf-16-be")) // 2


# A GSM text of a random septet count, boundary counts favoured; four texts in ten keep to
# the basic table, the others draw about 1 in 10 characters from the extension.
def random_text(rng, target=None):
    extension = 0.0 if rng.random() < 0.4 else 0.1
    if target is None:
        target = rng.choice([0, 1, 6, 7, 8, 9, 15, 16, 17, 70, 153, 159, 160]) \
            if rng.random() < 0.3 else rng.randint(0, 160)
    text = ""
    while septets_of(text) < target:
        wide = rng.random() < extension and septets_of(text) + 2 <= target
        text += rng.choice(GSM_EXTENSION if wide else GSM_POOL)
    return text


# A text of low to high UTF-16 units, boundaries favoured, that the table does not carry
# (unless it is empty).
def random_unicode(rng, low, high):
    target = rng.choice([low, high]) if rng.random() < 0.3 else rng.randint(low, high)
    text = rng.choice("жù中`") if target else ""
    while units_of(text) < target:
        c, at = rng.choice(UNICODE_POOL), rng.randint(0, len(text))
        if units_of(text + c) <= target:
            text = text[:at] + c + text[at:]
    return text


def random_digits(rng):
    return "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 20)))


# TS 23.040 address digits, low semi-octet first, an odd count filled with F.
def semi_octets(digits):
    digits += "F" * (len(digits) % 2)
    return "".join(digits[i + 1] + digits[i] for i in range(0, len(digits), 2))


class Report:
    def __init__(self, seed):
        self.seed, self.passed, self.failures, self.excluded = seed, 0, [], Counter()

    def check(self, name, problems):
        self.failures += [(name, problems)] if problems else []
        self.passed += not problems


# --- send: our SMS-SUBMITs, read by gammu ---------------------------------------------------
def send_case(rng):
    digits = random_digits(rng)
    dialled = digits
    if rng.random() < 0.1:
        at = rng.randint(0, len(digits))
        dialled = digits[:at] + rng.choice("*#") + digits[at:]
    if rng.random() < 0.5:
        dialled = "+" + dialled
    kind = rng.choice(["gsm7"] * 5 + ["ucs2"] * 3 + ["parts"] * 2)
    text = {"gsm7": lambda: random_text(rng), "ucs2": lambda: random_unicode(rng, 1, 70),
            "parts": lambda: random_unicode(rng, 71, 201)}[kind]()
    return {"kind": kind, "text": text, "dialled": dialled, "ref": rng.randint(0, 255),
            "sca": random_digits(rng)[:14] if rng.random() < 0.5 else None,
            "report": rng.random() < 0.5}


# The parts the terminal makes: at most 67 units each, no character cut.
def split_units(text):
    parts = [""]
    for c in text:
        if units_of(parts[-1] + c) > 67:
            parts.append("")
        parts[-1] += c
    return parts


# The SMS-SUBMITs the terminal sends, field by field as TS 23.040 / 27.005 lay them out:
# service-centre part, first octet, TP-MR, TP-DA, TP-PID, TP-DCS, TP-VP, TP-UDL (and the
# header of a part), then how many hex digits of user data follow (gammu reads those).
def expected_submits(case, address):
    sca = "00" if case["sca"] is None else \
        f"{1 + (len(case['sca']) + 1) // 2:02X}91" + semi_octets(case["sca"])
    first = 0x31 if case["report"] else 0x11
    head = lambda f, dcs, udl: (sca + f"{f:02X}00{len(address):02X}91" + semi_octets(address)
                                + f"00{dcs}AA{udl:02X}")
    text = case["text"]
    if case["kind"] == "gsm7":
        septets = septets_of(text)
        return [(head(first, "00", septets), 2 * (septets - septets // 8))]
    if case["kind"] == "ucs2":
        return [(head(first, "08", 2 * units_of(text)), 4 * units_of(text))]
    parts = split_units(text)
    return [(head(first | 0x40, "08", 6 + 2 * units_of(p))
             + f"050003{case['ref']:02X}{len(parts):02X}{i + 1:02X}", 4 * units_of(p))
            for i, p in enumerate(parts)]


def check_send(gammu, tool, case, report):
    args = [tool, "encode", "--to", case["dialled"], "--ref", str(case["ref"])]
    args += (["--sca", case["sca"]] if case["sca"] is not None else []) + \
        ["--report"] * case["report"]
    done = subprocess.run(args + ["--", case["text"]], capture_output=True, timeout=20)
    if done.returncode != 0:
        return [f"encode exit {done.returncode}: {done.stdout!r} {done.stderr!r}"]
    address = case["dialled"].replace("+", "").replace("*", "A").replace("#", "B")
    expected = expected_submits(case, address)
    lines = [json.loads(line) for line in done.stdout.decode("utf-8").split("\n")[:-1]]
    if len(lines) != len(expected):
        return [f"{len(lines)} PDUs, expected {len(expected)}"]
    problems, read = [], []
    for i, (out, (head, user_data)) in enumerate(zip(lines, expected)):
        pdu = str(out.get("pdu"))
        part = {"part": i + 1, "parts": len(expected)} if len(expected) > 1 else {}
        if out != {"pdu": pdu, "length": len(pdu) // 2, **part}:
            problems.append(f"line {i + 1}: {out}")
        if not pdu.startswith(head) or len(pdu) != len(head) + user_data:
            problems.append(f"PDU {pdu}: not {head} and {user_data} hex digits of user data")
        try:
            sms = gammu.DecodePDU(bytes.fromhex(pdu), SMSC=True)
        except gammu.GSMError as e:
            if len(address) == 20 and not case["text"]:
                report.excluded["gammu-empty-20-digit"] += 1
                return problems
            return problems + [f"gammu cannot read {pdu}: {e}"]
        got = (sms["Type"], sms["Coding"], sms["SMSC"]["Number"], sms["SMSC"]["Validity"])
        want = ("Submit", CODINGS["gsm7" if case["kind"] == "gsm7" else "ucs2"],
                "" if case["sca"] is None else "+" + case["sca"], "4D")  # 4D: relative AA
        problems += [] if got == want else [f"gammu reads {got}, expected {want}"]
        if "A" in address or "B" in address:
            report.excluded["gammu-star-hash"] += 1
        elif sms["Number"] != "+" + address:
            problems.append(f"gammu reads destination {sms['Number']!r}, expected +{address}")
        read.append(sms)
    if case["kind"] == "gsm7":
        return problems + compare_gammu_text(read[0]["Text"], case["text"], report)
    problems += [f"part {i + 1}: UDH {s['UDH']}" for i, s in enumerate(read) if len(read) > 1 and
                 (s["UDH"]["Type"], s["UDH"]["ID8bit"], s["UDH"]["PartNumber"],
                  s["UDH"]["AllParts"]) != ("ConcatenatedMessages", case["ref"], i + 1, len(read))]
    whole = gammu_joined_text(gammu, read)
    return problems + ([] if whole == case["text"] else
                       [f"gammu reads text {whole!r}, expected {case['text']!r}"])


# gammu's own multi-part decoding: its parts linked and decoded to one text.
def gammu_joined_text(gammu, messages):
    if len(messages) == 1:
        return messages[0]["Text"]
    linked = gammu.LinkSMS([[m] for m in messages])
    if len(linked) != 1:
        return f"<gammu links {len(linked)} messages>"
    return "".join(e["Buffer"] or "" for e in gammu.DecodeSMS(linked[0])["Entries"])


def compare_gammu_text(got, text, report):
    pairs = septets_of(text) - len(text)
    if pairs:
        report.excluded["gammu-escape-tail"] += 1
        if len(got) != len(text) + pairs:
            return [f"gammu text {got!r}: not {pairs} tail characters after {text!r}"]
        got = got[:len(text)]
    return [] if got == text else [f"gammu reads text {got!r}, expected {text!r}"]


# --- receive: gammu's PDUs, read by us ------------------------------------------------------
def receive_case(rng):
    kind = rng.choice(["Deliver"] * 4 + ["Submit"] * 2 + ["ucs2", "8bit"] + ["parts"] * 2)
    roll = rng.random()
    if kind == "Deliver" and roll < 0.2:
        # A name; gammu takes one that starts with a digit, or is only "p" (a dialling
        # pause) and digits, for a number.
        letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
        number = rng.choice(letters.replace("p", "").replace("P", "")) + "".join(
            rng.choice(letters + "0123456789 @_") for _ in range(rng.randint(0, 10)))
    else:
        number = random_digits(rng)
        if roll < 0.8:
            number = "+" + number
        elif number.startswith("00"):
            # gammu's EncodePDU takes a leading 00 as the international prefix (its own
            # dialling convention, nothing to do with the PDU), so avoid it here.
            number = rng.choice("123456789") + number[1:]
    case = {"kind": kind, "number": number,
            "smsc": "+" + random_digits(rng)[:14] if rng.random() < 0.5 else "",
            "when": datetime.datetime(2000, 1, 1) + datetime.timedelta(
                seconds=rng.randint(0, 100 * 365 * 86400 - 1)),
            "report": kind == "Submit" and rng.random() < 0.5,
            "coding": kind if kind in ("ucs2", "8bit") else "gsm7"}
    if kind == "parts":
        case["unicode"], case["sixteen"] = rng.random() < 0.5, rng.random() < 0.5
        case["coding"] = "ucs2" if case["unicode"] else "gsm7"
        case["ref"] = rng.randint(0, 65535 if case["sixteen"] else 255)
        per_part = (66 if case["sixteen"] else 67) if case["unicode"] else \
            (152 if case["sixteen"] else 153)
        total = rng.choice([2, 3])
        low = max(per_part * (total - 1), 70 if case["unicode"] else 160) + 1
        high = per_part * total - 2
        case["text"] = random_unicode(rng, low, high) if case["unicode"] else \
            random_text(rng, rng.randint(low, high))
    elif kind == "8bit":
        case["text"] = bytes(rng.randint(0, 255) for _ in range(rng.randint(0, 140)))
    else:
        case["text"] = random_unicode(rng, 0, 70) if kind == "ucs2" else random_text(rng)
    return case


# gammu's PDUs for a case; a set's parts come out of order.
def gammu_pdus(gammu, case, rng):
    submit = case["kind"] == "Submit"
    message = {"SMSC": {"Location": 0, "Number": case["smsc"], "Validity": "4D" if submit
                        else "NA"}, "Number": case["number"], "Coding": CODINGS[case["coding"]],
               "Type": "Status_Report" if case["report"] else "Submit" if submit else "Deliver",
               "DateTime": case["when"], "Class": -1, "Folder": 0}
    if case["kind"] != "parts":
        return [gammu.EncodePDU(dict(message, Text=case["text"]), "Submit" if submit
                                else "Deliver")]
    entry = "ConcatenatedTextLong16bit" if case["sixteen"] else "ConcatenatedTextLong"
    parts = gammu.EncodeSMS({"Class": -1, "Unicode": case["unicode"],
                             "Entries": [{"ID": entry, "Buffer": case["text"]}]})
    case["parts"], pdus = [p["Text"] for p in parts], []
    for i, part in enumerate(parts):
        ref = case["ref"].to_bytes(2 if case["sixteen"] else 1, "big")
        header = (b"\x06\x08\x04" if case["sixteen"] else b"\x05\x00\x03") + ref + \
            bytes([len(parts), i + 1])
        udh = dict(part["UDH"], Text=header, ID8bit=-1 if case["sixteen"] else case["ref"],
                   ID16bit=case["ref"] if case["sixteen"] else -1)
        pdus.append(gammu.EncodePDU(dict(message, Text=part["Text"], UDH=udh), "Deliver"))
    case["order"] = rng.sample(range(len(pdus)), len(pdus))
    return [pdus[i] for i in case["order"]]


def expected_sender(case, report):
    number = case["number"]
    if number.lstrip("+").isdigit():
        return number.lstrip("+"), "international" if number.startswith("+") else "unknown"
    if set(number) & set("@_"):
        report.excluded["gammu-alnum-ascii"] += 1
    return "".join(GSM_BASIC[ord(c)] for c in number), "alphanumeric"


# The lines decode --join prints for the case's PDUs, in the order they are fed.
def expected_lines(case, report):
    if case["kind"] == "Submit":
        return [{"type": "submit", "text": case["text"], "coding": "gsm7"}]
    sender, sender_type = expected_sender(case, report)
    w = case["when"]
    line = {"type": "deliver", "sender": sender, "timestamp": w.strftime("%y%m%d%H%M%S") + "00",
            "time": w.strftime("%y/%m/%d/ %H:%M:%S") + " GMT: 00", "text": case["text"],
            "coding": case["coding"], "sender_type": sender_type}
    if case["kind"] == "8bit":
        line["text"] = "[8-bit data] " + case["text"].hex().upper()
    if case["kind"] != "parts":
        return [line]
    total = len(case["parts"])
    lines = [dict(line, text=case["parts"][i],
                  concat={"ref": case["ref"], "part": i + 1, "total": total})
             for i in case["order"]]
    return lines + [{"type": "whole", "sender": sender, "parts": total, "text": case["text"]}]


def check_receive_all(gammu, tool, cases, rng, report):
    pdus = []
    for case in cases:
        try:
            case["pdus"] = [p.hex().upper() for p in gammu_pdus(gammu, case, rng)]
        except gammu.GSMError as e:
            raise SystemExit(f"FAIL seed {report.seed}: gammu cannot build {describe(case)}: {e}")
        pdus += case["pdus"]
    done = subprocess.run([tool, "decode", "--join"], input="".join(p + "\n" for p in pdus),
                          capture_output=True, text=True, encoding="utf-8", timeout=120)
    lines = done.stdout.split("\n")[:-1]
    if done.returncode != 0:
        report.check("receive: decode run", [f"exit {done.returncode}: {done.stderr!r}"])
    for i, case in enumerate(cases):
        want = expected_lines(case, report)
        # One line per PDU, and a "whole" line when a part completed its set.
        taken = len(case["pdus"])
        taken += len(lines) > taken and lines[taken].startswith('{"type": "whole"')
        got, lines = [json.loads(g) for g in lines[:taken]], lines[taken:]
        problems = [f"{len(got)} lines, expected {len(want)}"] if len(got) != len(want) else []
        problems += [f"{k}: got {g.get(k)!r}, expected {w.get(k)!r}" for g, w in zip(got, want)
                     for k in g.keys() | w.keys() if g.get(k) != w.get(k)]
        if case["kind"] == "parts":
            read = [gammu.DecodePDU(bytes.fromhex(p), SMSC=True) for p in case["pdus"]]
            joined = gammu_joined_text(gammu, read)
            problems += [] if joined == case["text"] else [f"gammu joins {joined!r}"]
        report.check(f"receive #{i} {describe(case)}", problems)


def describe(case):
    shown = {k: v.hex() if isinstance(v, bytes) else v for k, v in case.items() if k != "pdus"}
    return json.dumps(shown, ensure_ascii=True, default=str)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--seed", type=int, default=20240611)
    parser.add_argument("--count", type=int, default=1000)
    args = parser.parse_args()
    print(f"seed {args.seed}, {args.count} messages each way")
    try:
        import gammu
    except ImportError as e:
        print(f"FAIL: python3-gammu is missing ({e}); scripts/install-deps.sh installs it")
        return 1

    report = Report(args.seed)
    rng = random.Random(args.seed)
    for i in range(args.count):
        case = send_case(rng)
        report.check(f"send #{i} {describe(case)}", check_send(gammu, args.tool, case, report))
    cases = [receive_case(rng) for _ in range(args.count)]
    check_receive_all(gammu, args.tool, cases, rng, report)

    print("left out, the terminal's own table: " +
          "; ".join(f"{k}: {v}" for k, v in TERMINAL_DIFFERENCES.items()))
    for fault, text in GAMMU_FAULTS.items():
        print(f"{fault} ({report.excluded[fault]} cases): {text}")
    for name, problems in report.failures[:25]:
        print(f"FAIL {name}\n" + "".join(f"    {p}\n" for p in problems), end="")
    if report.failures:
        print(f"seed {args.seed}: {len(report.failures)} failing cases")
    print(f"{report.passed} passed, {len(report.failures)} failed")
    return 1 if report.failures or report.passed < 2 * args.count else 0


if __name__ == "__main__":
    sys.exit(main())
