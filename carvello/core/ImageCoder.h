#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace carvello {

class ImageCoder;
class InputByteStream;
class RasterImage;

// Progress report: (coder, user data, current pass or scan, number of passes
// or scans, percent done (at most 100), cancel flag). Setting the flag asks
// the coder to stop.
using ProgressFunction = std::function<void(ImageCoder& coder, void* userData, unsigned pass,
                                            unsigned passCount, unsigned percent, bool& cancel)>;

// Base of the library's decoders and encoders: the progress callback and
// the verbose trace switch.
//
// The trace is off by default. setVerbose(&stream) switches it on and sends
// it to that stream (which must outlive the decoding); setVerbose(nullptr)
// switches it off again. Some decoders run extra checks while it is on.
class ImageCoder {
public:
    virtual ~ImageCoder();

    void setProgressFunction(ProgressFunction function, void* userData = nullptr);
    bool verbose() const { return trace_ != nullptr; }
    void setVerbose(std::ostream* trace) { trace_ = trace; }
    std::ostream* traceSink() const { return trace_; }

protected:
    // Decoders: turns the decoded data into the image's pixels.
    virtual void finishImage(RasterImage& image) = 0;

    // Calls the progress function, if any; returns true when it asked to
    // cancel. The percentage is clamped to 100.
    bool reportProgress(unsigned pass, unsigned passCount, unsigned percent);
    bool hasProgressFunction() const { return static_cast<bool>(progress_); }
    // Where the trace goes; only while verbose().
    std::ostream& trace() const { return *trace_; }

private:
    ProgressFunction progress_;
    void* userData_ = nullptr;
    std::ostream* trace_ = nullptr;
};

// A coder that reads pictures.
class ImageDecoder : public ImageCoder {
public:
    virtual void readImageFile(const std::string& path, RasterImage& image) = 0;
    virtual void readImage(InputByteStream& stream, RasterImage& image) = 0;
};

// A coder that writes pictures.
class ImageEncoder : public ImageCoder {
public:
    virtual void writeImageFile(const std::string& path, const RasterImage& image) = 0;
};

}  // namespace carvello
