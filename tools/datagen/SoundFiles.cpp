#include "SoundFiles.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "SoundBuffer.h"

namespace SoundFiles {

namespace {
void PutLittle(std::vector<char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

void PutText(std::vector<char>& out, const char* text) { out.insert(out.end(), text, text + 4); }

int16_t ToPcm(float v) {
    float scaled = std::round(std::max(-1.0f, std::min(1.0f, v)) * 32767.0f);
    return static_cast<int16_t>(scaled);
}

void Save(const std::vector<char>& bytes, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}
}  // namespace

void WriteWav(const SoundBuffer& sound, const std::string& path) {
    const uint32_t channels = 2, rate = SoundBuffer::Rate, dataSize = sound.Frames() * 4;
    std::vector<char> out;
    PutText(out, "RIFF");
    PutLittle(out, 36 + dataSize, 4);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);  // PCM
    PutLittle(out, channels, 2);
    PutLittle(out, rate, 4);
    PutLittle(out, rate * channels * 2, 4);
    PutLittle(out, channels * 2, 2);
    PutLittle(out, 16, 2);
    PutText(out, "data");
    PutLittle(out, dataSize, 4);
    for (size_t i = 0; i < sound.Frames(); ++i) {
        PutLittle(out, static_cast<uint16_t>(ToPcm(sound.Left(i))), 2);
        PutLittle(out, static_cast<uint16_t>(ToPcm(sound.Right(i))), 2);
    }
    Save(out, path);
}

namespace {
void AppendPage(std::vector<char>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// Hands finished blocks to the stream and collects the pages it completes.
void Drain(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream,
           std::vector<char>& out) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            while (ogg_stream_pageout(&stream, &page)) AppendPage(out, page);
        }
    }
}
}  // namespace

namespace {
// The three Vorbis header packets, each flushed onto pages of their own as Ogg requires.
void WriteHeaders(vorbis_dsp_state& dsp, ogg_stream_state& stream, std::vector<char>& out) {
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", "Tarvello theme");
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) AppendPage(out, page);
    vorbis_comment_clear(&comment);
}

void Encode(const SoundBuffer& sound, vorbis_dsp_state& dsp, vorbis_block& block,
            ogg_stream_state& stream, std::vector<char>& out) {
    const size_t chunk = 4096;
    for (size_t start = 0; start < sound.Frames(); start += chunk) {
        size_t n = std::min(chunk, sound.Frames() - start);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
        for (size_t i = 0; i < n; ++i) {
            buffer[0][i] = sound.Left(start + i);
            buffer[1][i] = sound.Right(start + i);
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(n));
        Drain(dsp, block, stream, out);
    }
    vorbis_analysis_wrote(&dsp, 0);
    Drain(dsp, block, stream, out);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) AppendPage(out, page);
}
}  // namespace

void WriteOgg(const SoundBuffer& sound, const std::string& path, float quality) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, SoundBuffer::Rate, quality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("vorbis encoder refused its settings");
    }
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x54617276);  // a fixed serial number keeps the bytes stable
    std::vector<char> out;
    WriteHeaders(dsp, stream, out);
    Encode(sound, dsp, block, stream, out);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_info_clear(&info);
    Save(out, path);
}

}  // namespace SoundFiles
