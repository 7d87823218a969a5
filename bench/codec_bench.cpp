// The codec's operations as the terminal performs them, one whole operation per iteration:
// a received SMS-DELIVER from hex text to sender, time stamp and 8-bit text; a message from
// text and dialled number to the hex SMS-SUBMIT; an RMC sentence to a fix; the distance
// moved. Output strings are reused across iterations, as the terminal can.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "gps/rmc.h"
#include "pdu/alphabet.h"
#include "pdu/decoder.h"
#include "pdu/dialled.h"
#include "pdu/encoder.h"

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

// An SMS-DELIVER with a service-centre part and an 11-digit sender.
std::string DeliverPdu(const std::string& text) {
    char length[3];
    std::snprintf(length, sizeof length, "%02X", static_cast<unsigned>(text.size()));
    const std::string serviceCentre = "0791447700090000";
    const std::string head = "040B914477000910F20000";  // first octet, sender, PID, DCS
    const std::string timeStamp = "80101241000040";
    return serviceCentre + head + timeStamp + length + PackSeptets(ConvertTextToGSM(text));
}

void decode_deliver(benchmark::State& state) {
    const std::string text = PlainText(static_cast<int>(state.range(0)));
    const std::string pdu = DeliverPdu(text);
    DecodedPDU decoded;
    std::string error;
    std::string shown;
    for (auto _ : state) {
        DecodeReceivedPDUInto(pdu, decoded, error);
        shown.clear();
        ConvertGSMToTextInto(decoded.gsmText, shown);
        benchmark::DoNotOptimize(decoded.PDU_SenderAddress.data());
        benchmark::DoNotOptimize(decoded.PDU_TimeStamp.data());
        benchmark::DoNotOptimize(shown.data());
        benchmark::ClobberMemory();
    }
    if (shown != text || decoded.PDU_SenderAddress != "44770090012" ||
        decoded.PDU_TimeStamp != "08012114000004") {
        state.SkipWithError("the PDU did not decode to its text, sender and time stamp");
    }
}
BENCHMARK(decode_deliver)->Arg(5)->Arg(70)->Arg(160);

void encode_submit(benchmark::State& state) {
    const std::string text = PlainText(static_cast<int>(state.range(0)));
    const std::string dialled = "+447700900123";
    SubmitSettings settings;  // "Default SCA": no service-centre part
    std::string gsm, destination, pdu, error;
    for (auto _ : state) {
        gsm.clear();
        ConvertTextToGSMInto(text, gsm);
        destination.clear();
        ConvertDialedDigitsInto(dialled, destination);
        EncodeSubmitPDUInto(gsm, destination, settings, pdu, error);
        benchmark::DoNotOptimize(pdu.data());
        benchmark::ClobberMemory();
    }
    char length[3];
    std::snprintf(length, sizeof length, "%02X", static_cast<unsigned>(text.size()));
    if (pdu.rfind("0011000C914477000910320000AA" + std::string(length), 0) != 0) {
        state.SkipWithError("unexpected PDU");
    }
}
BENCHMARK(encode_submit)->Arg(5)->Arg(70)->Arg(160);

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
