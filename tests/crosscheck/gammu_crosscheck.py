"""Cross-check of shortmsg's PDU codec against libgammu (python3-gammu).

Both directions, over messages generated from a fixed seed:
  send:    shortmsg-pdu encode builds an SMS-SUBMIT; gammu decodes it to the same
           destination, service centre and text.
  receive: gammu builds SMS-DELIVER and stored SMS-SUBMIT PDUs; shortmsg-pdu decode
           reads them back to the same sender, time stamp and text.

Characters where the terminal deliberately departs from the 3GPP TS 23.038 default
alphabet are left out of the generated texts (see TERMINAL_DIFFERENCES). Where gammu
itself departs from TS 23.038 / TS 23.040 the affected field is settled from the
standard instead, and the case is counted under the fault's name (GAMMU_FAULTS);
nothing else is compared loosely. Fails (never skips) when gammu is missing.
"""
import argparse
import datetime
import json
import random
import subprocess
import sys

# --- TS 23.038 default alphabet and its extension table ------------------------------------
GSM_BASIC = (
    "@£$¥èéùìòÇ\nØø\rÅå"
    "Δ_ΦΓΛΩΠΨΣΘΞ\x1bÆæßÉ"
    " !\"#¤%&'()*+,-./"
    "0123456789:;<=>?"
    "¡ABCDEFGHIJKLMNO"
    "PQRSTUVWXYZÄÖÑÜ§"
    "¿abcdefghijklmno"
    "pqrstuvwxyzäöñüà"
)
GSM_EXTENSION = {"\x0c": 10, "^": 20, "{": 40, "}": 41, "\\": 47, "[": 60, "~": 61,
                 "]": 62, "|": 64, "€": 101}
assert len(GSM_BASIC) == 128

# The terminal's own table differs from the standard here (on purpose); such characters
# are not generated in the direction where they differ.
TERMINAL_DIFFERENCES = {
    "ù": "GSM 6 is ú (250) in the terminal's table; ù has no row",
    "É": "GSM 31 is Ê (202) in the terminal's table; É has no row",
    "ΔΦΓΛΩΠΨΣΘΞ": "the Greek capitals (GSM 16, 18-26) have no row and arrive as control codes",
    "€": "the terminal's ¤ (164) is sent as ESC 101 and ESC 101 arrives as ¤",
    "¤ (sending only)": "the terminal sends ¤ as ESC 101, not as GSM 36 (GSM 36 arrives as ¤)",
}
NOT_SENT = set("ùÉΔΦΓΛΩΠΨΣΘΞ€¤\x1b")
NOT_RECEIVED = set("ùÉΔΦΓΛΩΠΨΣΘΞ€\x1b")

# gammu's own departures from the standard, settled from the standard where they matter.
GAMMU_FAULTS = {
    "gammu-escape-tail": "DecodePDU returns TP-UDL characters although each escape pair "
                         "(TS 23.038 6.2.1.1) is one character: the text is compared up to "
                         "its true length and the tail must be exactly one character per pair",
    "gammu-star-hash": "DecodePDU drops the address digits A and B (\"*\" and \"#\", TS 23.040 "
                       "9.1.2.3): such destinations are checked by the PDU layout alone",
    "gammu-empty-20-digit": "DecodePDU refuses a valid SMS-SUBMIT with a 20-digit destination "
                            "(the most TS 23.040 9.1.2.5 allows) and no user data: checked by "
                            "the PDU layout alone",
    "gammu-alnum-ascii": "alphanumeric addresses are packed as ASCII, not in the default "
                         "alphabet (TS 23.040 9.1.2.5): the terminal shows every address as "
                         "semi-octet digits, checked against the address octets",
}


def septets_of(text):
    return sum(2 if c in GSM_EXTENSION else 1 for c in text)


def random_text(rng, pool_basic, pool_ext):
    """A text of a random septet count, boundary counts favoured; four texts in ten keep
    to the basic table, the others draw about 1 in 10 characters from the extension."""
    extension = 0.0 if rng.random() < 0.4 else 0.1
    target = rng.choice([0, 1, 6, 7, 8, 9, 15, 16, 17, 70, 153, 159, 160]) \
        if rng.random() < 0.3 else rng.randint(0, 160)
    text = ""
    while septets_of(text) < target:
        if rng.random() < extension and septets_of(text) + 2 <= target:
            text += rng.choice(pool_ext)
        else:
            text += rng.choice(pool_basic)
    return text


def random_digits(rng):
    return "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 20)))


def semi_octets(digits):
    """TS 23.040 address digits, low semi-octet first, odd count filled with F."""
    if len(digits) % 2:
        digits += "F"
    return "".join(digits[i + 1] + digits[i] for i in range(0, len(digits), 2))


def json_keys_in_order(line):
    pairs = json.loads(line, object_pairs_hook=lambda p: p)
    return [k for k, _ in pairs], dict(pairs)


class Report:
    def __init__(self, seed):
        self.seed, self.passed, self.failures, self.excluded = seed, 0, [], {}

    def exclude(self, fault):
        self.excluded[fault] = self.excluded.get(fault, 0) + 1

    def check(self, name, problems):
        if problems:
            self.failures.append((name, problems))
        else:
            self.passed += 1


# --- send: our SMS-SUBMIT, read by gammu ----------------------------------------------------
def send_case(rng):
    pool_basic = [c for c in GSM_BASIC if c not in NOT_SENT]
    pool_ext = [c for c in GSM_EXTENSION if c not in NOT_SENT]
    digits = random_digits(rng)
    dialled = digits
    if rng.random() < 0.1:
        at = rng.randint(0, len(digits))
        dialled = digits[:at] + rng.choice("*#") + digits[at:]
    if rng.random() < 0.5:
        dialled = "+" + dialled
    sca = random_digits(rng)[:14] if rng.random() < 0.5 else None
    return {"text": random_text(rng, pool_basic, pool_ext), "dialled": dialled,
            "sca": sca, "report": rng.random() < 0.5}


def submit_layout_problems(pdu, case, address):
    """The SMS-SUBMIT the terminal sends, field by field as TS 23.040 / 27.005 lay it out:
    service-centre part, first octet, TP-MR, TP-DA, TP-PID, TP-DCS, TP-VP, TP-UDL."""
    septets = septets_of(case["text"])
    sca = "00" if case["sca"] is None else \
        f"{1 + (len(case['sca']) + 1) // 2:02X}91" + semi_octets(case["sca"])
    head = (sca + ("31" if case["report"] else "11") + "00" + f"{len(address):02X}91"
            + semi_octets(address) + "0000AA" + f"{septets:02X}")
    problems = [] if pdu.startswith(head) else [f"PDU {pdu} does not start with {head}"]
    user_data = 2 * (septets - septets // 8)
    if len(pdu) != len(head) + user_data:
        problems.append(f"{len(pdu) - len(head)} hex digits of user data, expected {user_data}")
    return problems


def check_send(gammu, tool, case, report):
    args = [tool, "encode", "--to", case["dialled"]]
    if case["sca"] is not None:
        args += ["--sca", case["sca"]]
    if case["report"]:
        args.append("--report")
    args += ["--", case["text"]]
    done = subprocess.run(args, capture_output=True, timeout=20)
    if done.returncode != 0:
        return [f"encode exit {done.returncode}: {done.stdout!r} {done.stderr!r}"]
    keys, out = json_keys_in_order(done.stdout.decode("utf-8"))
    problems = [] if keys == ["pdu", "length"] else [f"keys {keys}"]
    pdu = case["pdu"] = out["pdu"]
    address = case["dialled"].replace("+", "").replace("*", "A").replace("#", "B")
    problems += submit_layout_problems(pdu, case, address)
    if out["length"] != len(pdu) // 2:
        problems.append(f"length {out['length']} for {len(pdu)} hex digits")
    try:
        sms = gammu.DecodePDU(bytes.fromhex(pdu), SMSC=True)
    except gammu.GSMError as e:
        if len(address) == 20 and not case["text"]:
            report.exclude("gammu-empty-20-digit")
            return problems
        return problems + [f"gammu cannot read {pdu}: {e}"]
    if sms["Type"] != "Submit" or sms["Coding"] != "Default_No_Compression":
        problems.append(f"gammu reads type {sms['Type']}, coding {sms['Coding']}")
    expected_sca = "" if case["sca"] is None else "+" + case["sca"]
    if sms["SMSC"]["Number"] != expected_sca:
        problems.append(f"service centre {sms['SMSC']['Number']!r}, expected {expected_sca!r}")
    if sms["SMSC"]["Validity"] != "4D":
        problems.append(f"validity {sms['SMSC']['Validity']}, expected 4D (relative AA)")
    if "A" in address or "B" in address:
        report.exclude("gammu-star-hash")
    elif sms["Number"] != "+" + address:
        problems.append(f"gammu reads destination {sms['Number']!r}, expected +{address}")
    problems += compare_gammu_text(sms["Text"], case["text"], report)
    return problems


def compare_gammu_text(got, text, report):
    pairs = septets_of(text) - len(text)
    if pairs:
        report.exclude("gammu-escape-tail")
        if len(got) != len(text) + pairs:
            return [f"gammu text {got!r}: not {pairs} tail characters after {text!r}"]
        got = got[:len(text)]
    return [] if got == text else [f"gammu reads text {got!r}, expected {text!r}"]


# --- receive: gammu's PDUs, read by us ------------------------------------------------------
def gammu_message(kind, number, text, smsc, when, report):
    return {
        "SMSC": {"Location": 0, "Number": smsc, "Validity": "4D" if kind == "Submit" else "NA"},
        "Number": number, "Text": text, "Folder": 0, "Location": 0, "InboxFolder": 0,
        "Memory": "", "Name": "", "Coding": "Default_No_Compression", "State": "UnSent",
        "Type": "Status_Report" if report else kind, "Class": -1, "MessageReference": 0,
        "ReplaceMessage": 0, "RejectDuplicates": 0, "DeliveryStatus": 0, "ReplyViaSameSMSC": 0,
        "UDH": {"Type": "NoUDH", "Text": b"", "ID8bit": 0, "ID16bit": 0, "PartNumber": -1,
                "AllParts": 0},
        "DateTime": when, "SMSCDateTime": None,
    }


def receive_case(rng):
    pool_basic = [c for c in GSM_BASIC if c not in NOT_RECEIVED]
    pool_ext = [c for c in GSM_EXTENSION if c not in NOT_RECEIVED]
    kind = "Deliver" if rng.random() < 0.7 else "Submit"
    roll = rng.random()
    if kind == "Deliver" and roll < 0.12:
        letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 @_"
        number = "".join(rng.choice(letters) for _ in range(rng.randint(1, 11)))
        while number.isdigit():
            number = "x" + number[1:]
    else:
        number = random_digits(rng)
        if roll < 0.8:
            number = "+" + number
        elif number.startswith("00"):
            # gammu's EncodePDU takes a leading 00 as the international prefix (its own
            # dialling convention, nothing to do with the PDU), so avoid it here.
            number = rng.choice("123456789") + number[1:]
    when = datetime.datetime(2000, 1, 1) + datetime.timedelta(
        seconds=rng.randint(0, 100 * 365 * 86400 - 1))
    smsc = "+" + random_digits(rng)[:14] if rng.random() < 0.5 else ""
    return {"kind": kind, "number": number, "text": random_text(rng, pool_basic, pool_ext),
            "smsc": smsc, "when": when, "report": kind == "Submit" and rng.random() < 0.5}


def expected_receive(case, pdu):
    if case["kind"] == "Submit":
        return ["type", "text"], {"type": "submit", "text": case["text"]}
    number = case["number"]
    if number.lstrip("+").isdigit():
        sender = number.lstrip("+")
    else:
        # An alphanumeric address: the terminal reads its octets as semi-octets.
        sca = int(pdu[0:2], 16)
        at = 2 + 2 * sca + 2
        count = int(pdu[at:at + 2], 16)
        octets = pdu[at + 4:at + 4 + 2 * ((count + 1) // 2)]
        sender = "".join(octets[i + 1] + octets[i] for i in range(0, len(octets), 2))[:count]
    w = case["when"]
    stamp = w.strftime("%y%m%d%H%M%S") + "00"
    time = w.strftime("%y/%m/%d/ %H:%M:%S") + " GMT: 00"
    return (["type", "sender", "timestamp", "time", "text"],
            {"type": "deliver", "sender": sender, "timestamp": stamp, "time": time,
             "text": case["text"]})


def check_receive_all(gammu, tool, cases, report):
    for case in cases:
        message = gammu_message(case["kind"], case["number"], case["text"], case["smsc"],
                                case["when"], case["report"])
        try:
            case["pdu"] = gammu.EncodePDU(message, case["kind"]).hex().upper()
        except gammu.GSMError as e:
            raise SystemExit(f"FAIL seed {report.seed}: gammu cannot build {describe(case)}: {e}")
    done = subprocess.run([tool, "decode"], input="".join(c["pdu"] + "\n" for c in cases),
                          capture_output=True, text=True, encoding="utf-8", timeout=120)
    lines = done.stdout.split("\n")[:-1]
    if done.returncode != 0 or len(lines) != len(cases):
        report.check("receive: decode run", [f"exit {done.returncode}, {len(lines)} lines "
                                             f"for {len(cases)} PDUs: {done.stderr!r}"])
    for i, (case, line) in enumerate(zip(cases, lines)):
        keys, got = json_keys_in_order(line)
        want_keys, want = expected_receive(case, case["pdu"])
        if case["kind"] == "Deliver" and not case["number"].lstrip("+").isdigit():
            report.exclude("gammu-alnum-ascii")
        problems = [] if keys == want_keys else [f"keys {keys}, expected {want_keys}"]
        problems += [f"{k}: got {got.get(k)!r}, expected {v!r}" for k, v in want.items()
                     if got.get(k) != v]
        report.check(f"receive #{i} {describe(case)}", problems)


def describe(case):
    shown = {k: (v.isoformat() if isinstance(v, datetime.datetime) else v)
             for k, v in case.items()}
    return json.dumps(shown, ensure_ascii=True)


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
    check_receive_all(gammu, args.tool, [receive_case(rng) for _ in range(args.count)], report)

    print("left out, the terminal's own table: " +
          "; ".join(f"{k}: {v}" for k, v in TERMINAL_DIFFERENCES.items()))
    for fault, text in GAMMU_FAULTS.items():
        print(f"{fault} ({report.excluded.get(fault, 0)} cases): {text}")
    for name, problems in report.failures[:25]:
        print(f"FAIL {name}")
        for p in problems:
            print(f"    {p}")
    if report.failures:
        print(f"seed {args.seed}: {len(report.failures)} failing cases")
    print(f"{report.passed} passed, {len(report.failures)} failed")
    return 1 if report.failures or report.passed < 2 * args.count else 0


if __name__ == "__main__":
    sys.exit(main())
