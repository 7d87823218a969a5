#include "pdu_commands.h"

#include "gps/rmc.h"
#include "json_line.h"
#include "latin1_text.h"
#include "pdu/alphabet.h"
#include "pdu/decoder.h"
#include "pdu/dialled.h"
#include "pdu/encoder.h"

namespace shortmsg {

namespace {

ToolOutcome Refused(std::string_view reason) {
    return {JsonErrorLine(reason), true};
}

// The dialled destination as address digits. What may be in them (0-9, A for "*", B for
// "#") is the encoder's to refuse, with the terminal's own words.
Result<std::string> DestinationDigits(std::string_view dialled) {
    std::string digits = ConvertDialedDigits(dialled);
    if (digits.empty()) return Result<std::string>::Fail("No destination number.");
    return Result<std::string>::Ok(std::move(digits));
}

// The service-centre number goes into the PDU as typed (the encoder takes digits only);
// the "+" of an international number is dropped (the address is always marked
// international).
Result<std::string> ServiceCentreDigits(std::string_view typed) {
    if (typed.starts_with("+")) typed.remove_prefix(1);
    if (typed.empty()) {
        return Result<std::string>::Fail("The service-centre number may hold only digits.");
    }
    return Result<std::string>::Ok(std::string(typed));
}

std::string_view Trimmed(std::string_view s) {
    constexpr std::string_view kBlank = " \t\r\n";
    const auto first = s.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlank) - first + 1);
}

std::string DeliverLine(const DecodedPDU& pdu) {
    return JsonLine()
        .Text("type", "deliver")
        .Text("sender", pdu.PDU_SenderAddress)
        .Text("timestamp", pdu.PDU_TimeStamp)
        .Text("time", FormatTimeStamp(pdu.PDU_TimeStamp))
        .Text("text", ConvertGSMToText(pdu.gsmText))
        .Finish();
}

std::string StatusReportLine(const DecodedPDU& pdu) {
    return JsonLine()
        .Text("type", "status-report")
        .Integer("mr", pdu.messageReference)
        .Text("recipient", pdu.recipient)
        .Text("status", pdu.status)
        .Text("line", pdu.statusLine)
        .Finish();
}

}  // namespace

ToolOutcome RunEncode(const EncodeRequest& request) {
    const auto text = Utf8ToLatin1(request.text);
    if (!text) return Refused(text.error());
    const auto destination = DestinationDigits(request.to);
    if (!destination) return Refused(destination.error());
    SubmitSettings settings;
    settings.RegisteredSM = request.report;
    if (request.sca) {
        const auto sca = ServiceCentreDigits(*request.sca);
        if (!sca) return Refused(sca.error());
        settings.UseSCAinPhone = false;
        settings.ServiceCenterAddress = *sca;
    }
    const auto pdu = EncodeSubmitPDU(ConvertTextToGSM(*text), *destination, settings);
    if (!pdu) return Refused(pdu.error());
    return {JsonLine().Text("pdu", *pdu).Integer("length", WholePduLength(*pdu)).Finish()};
}

ToolOutcome RunDecode(std::string_view pduHex) {
    const auto pdu = DecodeReceivedPDU(pduHex);
    if (!pdu) return Refused(pdu.error());
    switch (pdu->type) {
        case PduType::Deliver:
            return {DeliverLine(*pdu)};
        case PduType::StatusReport:
            return {StatusReportLine(*pdu)};
        case PduType::Submit:
            return {JsonLine()
                        .Text("type", "submit")
                        .Text("text", ConvertGSMToText(pdu->gsmText))
                        .Finish()};
        case PduType::Unknown:
            break;
    }
    return {JsonLine().Text("type", "unknown").Finish()};
}

ToolOutcome RunRmc(std::string_view sentence) {
    sentence = Trimmed(sentence);
    if (sentence.starts_with("$")) sentence.remove_prefix(1);
    GpsFixState fix;
    DecodeGPRMC(sentence, fix);
    JsonLine line;
    line.Boolean("valid", fix.GPS_FixValid).Text("time", fix.GPS_FixTime);
    if (fix.GPS_FixValid) line.Number("lat", fix.GPS_Latitude).Number("lon", fix.GPS_Longitude);
    return {line.Finish()};
}

}  // namespace shortmsg
