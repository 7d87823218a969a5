#include "pdu_commands.h"

#include "gps/rmc.h"
#include "json_line.h"
#include "pdu/decoder.h"
#include "pdu/dialled.h"
#include "pdu/encoder.h"
#include "pdu/utf8.h"

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

std::string StatusReportLine(const DecodedPDU& pdu) {
    return JsonLine()
        .Text("type", "status-report")
        .Integer("mr", pdu.messageReference)
        .Text("recipient", pdu.recipient)
        .Text("status", pdu.status)
        .Text("line", pdu.statusLine)
        .Finish();
}

std::string_view CodingName(MessageCoding coding) {
    constexpr std::string_view kNames[] = {"gsm7", "ucs2", "8bit", "unsupported"};
    return kNames[static_cast<int>(coding)];
}

std::string_view SenderTypeName(SenderType type) {
    constexpr std::string_view kNames[] = {"unknown",          "international", "national",
                                           "network-specific", "subscriber",    "alphanumeric",
                                           "abbreviated",      "reserved"};
    return kNames[static_cast<int>(type)];
}

// "concat", for a part of a message in parts.
JsonLine& AddConcat(JsonLine& line, const DecodedPDU& pdu) {
    if (pdu.concat) {
        line.Object("concat", JsonLine()
                                  .Integer("ref", pdu.concat->reference)
                                  .Integer("part", pdu.concat->part)
                                  .Integer("total", pdu.concat->total));
    }
    return line;
}

std::string DeliverLine(const DecodedPDU& pdu) {
    JsonLine line;
    line.Text("type", "deliver")
        .Text("sender", pdu.PDU_SenderAddress)
        .Text("timestamp", pdu.PDU_TimeStamp)
        .Text("time", FormatTimeStamp(pdu.PDU_TimeStamp))
        .Text("text", pdu.text)
        .Text("coding", CodingName(pdu.coding))
        .Text("sender_type", SenderTypeName(pdu.senderType));
    return AddConcat(line, pdu).Finish();
}

std::string SubmitLine(const DecodedPDU& pdu) {
    JsonLine line;
    line.Text("type", "submit").Text("text", pdu.text).Text("coding", CodingName(pdu.coding));
    return AddConcat(line, pdu).Finish();
}

// The PDU's JSON line.
std::string DecodedLine(const DecodedPDU& pdu) {
    switch (pdu.type) {
        case PduType::Deliver:
            return DeliverLine(pdu);
        case PduType::StatusReport:
            return StatusReportLine(pdu);
        case PduType::Submit:
            return SubmitLine(pdu);
        case PduType::Unknown:
            break;
    }
    return JsonLine().Text("type", "unknown").Finish();
}

}  // namespace

ToolOutcome RunEncode(const EncodeRequest& request) {
    if (const auto bad = FirstBadUtf8Byte(request.text)) {
        return Refused("The text is not valid UTF-8 (at byte " + std::to_string(*bad + 1) + ").");
    }
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
    const auto pdus = EncodeTextMessage(request.text, *destination, settings, request.reference);
    if (!pdus) return Refused(pdus.error());
    ToolOutcome outcome;
    for (std::size_t i = 0; i < pdus->size(); ++i) {
        const std::string& pdu = (*pdus)[i];
        JsonLine line;
        line.Text("pdu", pdu).Integer("length", WholePduLength(pdu));
        if (pdus->size() > 1) {
            line.Integer("part", static_cast<long long>(i + 1))
                .Integer("parts", static_cast<long long>(pdus->size()));
        }
        if (i > 0) outcome.lines += '\n';
        outcome.lines += line.Finish();
    }
    return outcome;
}

ToolOutcome PduDecoder::Run(std::string_view pduHex) {
    const auto pdu = DecodeReceivedPDU(pduHex);
    ++read_;
    if (!pdu) return Refused(pdu.error());
    ToolOutcome outcome{DecodedLine(*pdu)};
    if (!join_ || !pdu->concat) return outcome;
    const auto whole = assembler_.Add(pdu->PDU_SenderAddress, *pdu->concat, pdu->text, read_);
    if (whole) {
        outcome.lines += '\n';
        outcome.lines += JsonLine()
                             .Text("type", "whole")
                             .Text("sender", pdu->PDU_SenderAddress)
                             .Integer("parts", pdu->concat->total)
                             .Text("text", whole->text)
                             .Finish();
    }
    return outcome;
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
