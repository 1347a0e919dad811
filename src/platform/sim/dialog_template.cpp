// The extended dialog template: a header (version 1, signature 0xFFFF, styles, item count,
// position, menu, class, caption and, with DS_SETFONT, the font), then one item per control,
// each aligned to four bytes.
#include "platform/sim/dialog_template.h"

#include "platform/sim/resource_file.h"

namespace sim {
namespace {

constexpr unsigned kDialogResource = 5;
constexpr std::uint32_t kSetFont = 0x40;

class Reader {
  public:
    explicit Reader(const std::vector<std::uint8_t>& data) : data_(data) {}

    bool ok() const { return ok_; }
    std::uint16_t Word() {
        if (at_ + 2 > data_.size()) {
            ok_ = false;
            return 0;
        }
        at_ += 2;
        return static_cast<std::uint16_t>(data_[at_ - 2] | (data_[at_ - 1] << 8));
    }
    std::uint32_t Dword() {
        const std::uint32_t low = Word();
        return low | (static_cast<std::uint32_t>(Word()) << 16);
    }
    std::uint8_t Byte() {
        if (at_ + 1 > data_.size()) {
            ok_ = false;
            return 0;
        }
        return data_[at_++];
    }
    std::u16string String() {
        std::u16string text;
        for (std::uint16_t c; ok_ && (c = Word()) != 0;)
            text += static_cast<char16_t>(c);
        return text;
    }
    // A name or number: 0 (none), 0xFFFF and a number, or a string.
    std::u16string NameOrNumber(unsigned* number) {
        *number = 0;
        if (at_ + 2 > data_.size()) {
            ok_ = false;
            return {};
        }
        const std::uint16_t first = static_cast<std::uint16_t>(data_[at_] | (data_[at_ + 1] << 8));
        if (first == 0) {
            at_ += 2;
            return {};
        }
        if (first == 0xFFFF) {
            at_ += 2;
            *number = Word();
            return {};
        }
        return String();
    }
    void AlignToDword() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }
    void Skip(std::size_t count) {
        at_ += count;
        ok_ = ok_ && at_ <= data_.size();
    }

  private:
    const std::vector<std::uint8_t>& data_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::string ClassOfNumber(unsigned number) {
    switch (number) {
    case 0x80:
        return "Button";
    case 0x81:
        return "Edit";
    case 0x82:
        return "Static";
    case 0x83:
        return "ListBox";
    case 0x84:
        return "ScrollBar";
    case 0x85:
        return "ComboBox";
    default:
        return "#" + std::to_string(number);
    }
}

} // namespace

std::optional<DialogTemplate> LoadDialogTemplate(unsigned id) {
    const auto data = FindResource(kDialogResource, id);
    Reader in(data);
    if (data.empty() || in.Word() != 1 || in.Word() != 0xFFFF)
        return std::nullopt;
    DialogTemplate dialog;
    in.Dword(); // help id
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    const unsigned count = in.Word();
    dialog.x = static_cast<short>(in.Word());
    dialog.y = static_cast<short>(in.Word());
    dialog.width = static_cast<short>(in.Word());
    dialog.height = static_cast<short>(in.Word());
    unsigned number = 0;
    in.NameOrNumber(&number); // menu
    in.NameOrNumber(&number); // window class
    dialog.caption = ToAnsi(in.String());
    if (dialog.style & kSetFont) {
        dialog.pointSize = in.Word();
        in.Word(); // weight
        in.Byte(); // italic
        in.Byte(); // character set
        dialog.typeface = ToAnsi(in.String());
    }
    for (unsigned i = 0; i < count && in.ok(); ++i) {
        in.AlignToDword();
        ControlTemplate control;
        in.Dword(); // help id
        control.exStyle = in.Dword();
        control.style = in.Dword();
        control.x = static_cast<short>(in.Word());
        control.y = static_cast<short>(in.Word());
        control.width = static_cast<short>(in.Word());
        control.height = static_cast<short>(in.Word());
        control.id = static_cast<int>(static_cast<std::int32_t>(in.Dword()));
        if (control.id == 0xFFFF)
            control.id = -1;
        unsigned classNumber = 0;
        const std::u16string className = in.NameOrNumber(&classNumber);
        control.className = classNumber != 0 ? ClassOfNumber(classNumber) : ToAnsi(className);
        control.text = ToAnsi(in.NameOrNumber(&control.textResource));
        in.Skip(in.Word()); // creation data
        dialog.controls.push_back(control);
    }
    if (!in.ok())
        return std::nullopt;
    return dialog;
}

} // namespace sim
