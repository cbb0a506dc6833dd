#include "framewizard/engine/results_text.h"

#include "common/numbers.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace framewizard::engine {

namespace {

// Appends the pieces one by one (cheaper than a chain of temporaries).
template <typename... Pieces>
std::string joined(const Pieces&... pieces)
{
    std::string out;
    (out.append(pieces), ...);
    return out;
}

std::string blanks(std::size_t count) { return std::string(count, ' '); }

}  // namespace

std::string list1Heading()
{
    return joined(std::string(" "), std::string("node"), std::string("      R(角位移)      "),
                  std::string("                  U(水平线位移)            "), std::string("                V(竖向线位移)"));
}

std::string list2Heading()
{
    return joined(std::string(" K杆号"), std::string("      XP(截面位置)"), std::string("             N(轴力)"),
                  std::string("                M(弯矩)"), std::string("                    Q(翦力)"));
}

std::string nodeLine(double node, double r, double u, double v)
{
    return joined(blanks(1), common::signedText(node), blanks(6), common::signedText(r), blanks(12),
                  common::signedText(u), blanks(20), common::signedText(v));
}

std::string sectionLine(double member, double xp, double n, double m, double q)
{
    return joined(blanks(2), common::signedText(member), blanks(7), common::signedText(xp), blanks(18),
                  common::signedText(n), blanks(9), common::signedText(m), blanks(12), common::signedText(q));
}

namespace {

void appendRecords(std::string& out, const std::vector<std::string>& items, std::size_t last)
{
    for (std::size_t i = 1; i <= last; ++i) {
        out += '"';
        if (i < items.size())
            out += items[i];
        out += "\"\r\n";
    }
}

}  // namespace

std::string resultsFileText(const std::vector<std::string>& list1Items,
                            const std::vector<std::string>& list2Items)
{
    std::string out;
    appendRecords(out, list1Items, list1Items.size());
    appendRecords(out, list2Items, list2Items.size() + 1);
    return out;
}

std::string resultsFilePath(const std::string& home)
{
#ifdef _WIN32
    (void)home;
    return "D:\\WTG1\\STATES.text";
#else
    return home + "/WTG1/STATES.text";
#endif
}

std::optional<FileWriteError> writeResultsFile(const std::string& path, const std::string& content)
{
    namespace fs = std::filesystem;
    const fs::path file = fs::path(path);
    const fs::path folder = file.parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec || !fs::is_directory(folder, ec))
            return FileWriteError{path, "无法写入结果文件 " + path + "：文件夹 " + folder.string()
                                            + " 不存在，也无法创建（没有写入权限或驱动器不存在）。"};
    }
    if (fs::is_directory(file, ec))
        return FileWriteError{path, "无法写入结果文件 " + path + "：该位置是一个文件夹。"};

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return FileWriteError{path, "无法写入结果文件 " + path + "：文件无法创建或打开（没有写入权限或文件被占用）。"};
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out)
        return FileWriteError{path, "写入结果文件 " + path + " 时出错（磁盘已满或设备错误），文件可能不完整。"};
    return std::nullopt;
}

}  // namespace framewizard::engine
