// The codec's operations as the terminal performs them, one whole operation per iteration:
// a received SMS-DELIVER (GSM 7-bit or UCS2) from hex text to sender, time stamp and UTF-8
// text; a message from UTF-8 text and dialled number to the hex SMS-SUBMIT (GSM 7-bit when
// the table carries the text, UCS2 otherwise); an RMC sentence to a fix; the distance moved.
// Output strings are reused across iterations, as the terminal can.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gps/rmc.h"
#include "pdu/alphabet.h"
#include "pdu/decoder.h"
#include "pdu/dialled.h"
#include "pdu/encoder.h"
#include "pdu/utf8.h"

namespace {

using namespace shortmsg;

// Plain text (letters, digits, blanks, full stops: one septet each) of `septets` characters.
std::string PlainText(int septets) {
    const std::string sentence = "The quick brown fox jumps over the lazy dog 1234567890. ";
    std::string text;
    while (static_cast<int>(text.size()) < septets) text += sentence;
    text.resize(septets);
    return text;
}

// Cyrillic text (with blanks and a comma: every character one UTF-16 unit) of `units` units.
std::string CyrillicText(int units) {
    const std::string sentence = "Съешь же ещё этих мягких французских булок, да выпей чаю. ";
    std::string text;
    while (Utf8Length(text) < static_cast<std::size_t>(units)) text += sentence;
    return std::string(Utf8Prefix(text, static_cast<std::size_t>(units)));
}

// An SMS-DELIVER with a service-centre part and an 11-digit sender: GSM 7-bit (TP-DCS 00,
// TP-UDL in septets) or UCS2 (08, in octets).
std::string DeliverPdu(const std::string& text, bool ucs2) {
    const std::string serviceCentre = "0791447700090000";
    const std::string head = ucs2 ? "040B914477000910F20008" : "040B914477000910F20000";
    const std::string timeStamp = "80101241000040";
    std::string userData;
    if (ucs2) {
        for (const char16_t unit : Utf8ToUtf16(text)) {
            char octets[5];
            std::snprintf(octets, sizeof octets, "%04X", static_cast<unsigned>(unit));
            userData += octets;
        }
    } else {
        userData = PackSeptets(ConvertTextToGSM(text));
    }
    char length[3];
    const std::size_t udl = ucs2 ? userData.size() / 2 : text.size();
    std::snprintf(length, sizeof length, "%02X", static_cast<unsigned>(udl));
    return serviceCentre + head + timeStamp + length + userData;
}

void DecodeDeliver(benchmark::State& state, const std::string& text, bool ucs2) {
    const std::string pdu = DeliverPdu(text, ucs2);
    DecodedPDU decoded;
    std::string error;
    for (auto _ : state) {
        DecodeReceivedPDUInto(pdu, decoded, error);
        benchmark::DoNotOptimize(decoded.PDU_SenderAddress.data());
        benchmark::DoNotOptimize(decoded.PDU_TimeStamp.data());
        benchmark::DoNotOptimize(decoded.text.data());
        benchmark::ClobberMemory();
    }
    if (decoded.text != text || decoded.PDU_SenderAddress != "44770090012" ||
        decoded.PDU_TimeStamp != "08012114000004") {
        state.SkipWithError("the PDU did not decode to its text, sender and time stamp");
    }
}

void decode_deliver(benchmark::State& state) {
    DecodeDeliver(state, PlainText(static_cast<int>(state.range(0))), false);
}
BENCHMARK(decode_deliver)->Arg(5)->Arg(70)->Arg(160);

void decode_deliver_ucs2(benchmark::State& state) {
    DecodeDeliver(state, CyrillicText(static_cast<int>(state.range(0))), true);
}
BENCHMARK(decode_deliver_ucs2)->Arg(70);

// `head` is the PDU up to TP-DCS; TP-VP AA and TP-UDL `udl` follow.
void EncodeSubmit(benchmark::State& state, const std::string& text, const std::string& head,
                  unsigned udl) {
    const std::string dialled = "+447700900123";
    SubmitSettings settings;  // "Default SCA": no service-centre part
    std::string destination, error;
    std::vector<std::string> pdus;
    for (auto _ : state) {
        destination.clear();
        ConvertDialedDigitsInto(dialled, destination);
        EncodeTextMessageInto(text, destination, settings, 0, pdus, error);
        benchmark::DoNotOptimize(pdus.front().data());
        benchmark::ClobberMemory();
    }
    char length[3];
    std::snprintf(length, sizeof length, "%02X", udl);
    if (pdus.size() != 1 || pdus.front().rfind(head + "AA" + length, 0) != 0) {
        state.SkipWithError("unexpected PDU");
    }
}

void encode_submit(benchmark::State& state) {
    const int septets = static_cast<int>(state.range(0));
    EncodeSubmit(state, PlainText(septets), "0011000C914477000910320000", septets);
}
BENCHMARK(encode_submit)->Arg(5)->Arg(70)->Arg(160);

void encode_submit_ucs2(benchmark::State& state) {
    const int units = static_cast<int>(state.range(0));
    EncodeSubmit(state, CyrillicText(units), "0011000C914477000910320008", 2 * units);
}
BENCHMARK(encode_submit_ucs2)->Arg(70);

void rmc_decode(benchmark::State& state) {
    const std::string sentence =
        "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
    GpsFixState fix;
    for (auto _ : state) {
        DecodeGPRMC(sentence, fix);
        benchmark::DoNotOptimize(fix);
        benchmark::ClobberMemory();
    }
    if (!fix.GPS_FixValid || fix.GPS_FixTime != "123519") state.SkipWithError("no fix");
}
BENCHMARK(rmc_decode);

void distance(benchmark::State& state) {
    GpsFixState fix;
    fix.GPS_RefLatitude = 48;
    fix.GPS_RefLongitude = 11;
    fix.GPS_Latitude = 48.01;
    fix.GPS_Longitude = 11;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fix);
        benchmark::DoNotOptimize(ComputeDistanceMoved(fix));
    }
    if (fix.GPS_DistanceMoved < 1.113 || fix.GPS_DistanceMoved > 1.1132) {
        state.SkipWithError("unexpected distance");
    }
}
BENCHMARK(distance);

}  // namespace
