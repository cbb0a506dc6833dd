#include "frameproject/model/project_file.h"

#include "common/numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace frameproject {

std::filesystem::path ProjectPath(const std::filesystem::path& folder, std::string_view projectName)
{
    std::string file(projectName);
    file += ".txt";
    return folder / std::filesystem::path(file);
}

// ---------------------------------------------------------------- writing

namespace {

void appendNumber(std::string& out, double value) { out += common::plainText(value); }

void endLine(std::string& out) { out += "\r\n"; }

}  // namespace

std::string ProjectText(const ProjectModel& m)
{
    std::string out;
    const auto nj = static_cast<std::size_t>(m.NJ < 0 ? 0 : m.NJ);
    const auto ns = static_cast<std::size_t>(m.NS < 0 ? 0 : m.NS);
    const auto ne = static_cast<std::size_t>(m.NE < 0 ? 0 : m.NE);
    const auto npj = static_cast<std::size_t>(m.NPJ < 0 ? 0 : m.NPJ);
    const auto npf = static_cast<std::size_t>(m.NPF < 0 ? 0 : m.NPF);
    out.reserve(64 + 24 * (2 * nj + 4 * (ns + ne + npf) + 2 * npj));

    const std::int16_t counts[] = {m.NE, m.NJ, m.NS, m.NPJ, m.NPF};
    for (std::size_t i = 0; i < 5; ++i) {
        if (i != 0)
            out += ' ';
        appendNumber(out, counts[i]);
    }
    endLine(out);
    for (const Vector1<double>* coordinates : {&m.X, &m.Y}) {
        for (std::size_t i = 1; i <= nj; ++i) {
            out += ' ';
            appendNumber(out, coordinates->value(i));
        }
        endLine(out);
    }
    auto row = [&out](auto first, auto... rest) {
        appendNumber(out, static_cast<double>(first));
        ((out += ' ', appendNumber(out, static_cast<double>(rest))), ...);
        endLine(out);
    };
    for (std::size_t s = 1; s <= ns; ++s)
        row(m.JS.value(s, 1), m.JS.value(s, 2), m.JS.value(s, 3), m.JS.value(s, 4));
    for (std::size_t e = 1; e <= ne; ++e)
        row(m.JE.value(e, 1), m.JE.value(e, 2), m.EA.value(e), m.EI.value(e));
    for (std::size_t j = 1; j <= npj; ++j)
        row(m.PJ.value(j, 1), m.PJ.value(j, 2));
    for (std::size_t j = 1; j <= npf; ++j)
        row(m.PF.value(j, 1), m.PF.value(j, 2), m.PF.value(j, 3), m.PF.value(j, 4));
    return out;
}

namespace {

std::string reasonText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "没有写入权限";
    case ENOSPC:
        return "磁盘空间不足";
    case EDQUOT:
        return "磁盘配额已满";
    case EROFS:
        return "文件系统只读";
    case EISDIR:
        return "同名的文件夹已存在";
    case ENOENT:
    case ENOTDIR:
        return "文件夹不存在";
    case EFBIG:
        return "文件超过允许的大小";
    case ENAMETOOLONG:
        return "文件名太长";
    default:
        return std::strerror(error);
    }
}

SaveError saveError(const std::filesystem::path& path, int error)
{
    return SaveError{"工程文件 " + path.string() + " 保存失败（" + reasonText(error) + "），原有文件未改动。"};
}

}  // namespace

std::optional<SaveError> SaveProject(const ProjectModel& model, const std::filesystem::path& folder)
{
    const std::filesystem::path target = ProjectPath(folder, model.ProjectName);
    if (auto sizes = CheckTableSizes(model))
        return SaveError{"工程文件 " + target.string() + " 未保存：" + sizes->message};

    const std::string text = ProjectText(model);

    // The new content goes to a file of its own beside the project file and
    // replaces it in one rename, so the old project survives any failure.
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return saveError(target, errno);
    temporary.assign(name.data());

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return saveError(target, error);
    };
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // Same permissions as a file created the ordinary way.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return saveError(target, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return saveError(target, error);
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- reading

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

// Splits the text into number tokens one at a time.
class TokenStream {
public:
    explicit TokenStream(std::string_view text) : text_(text) {}

    // The next token, or nullopt at the end of the text.
    std::optional<std::string_view> next()
    {
        while (pos_ < text_.size() && isSeparator(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size())
            return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isSeparator(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

const char* sectionName(LoadSection section)
{
    switch (section) {
    case LoadSection::None: return "";
    case LoadSection::File: return "文件";
    case LoadSection::ControlNumbers: return "控制参数";
    case LoadSection::Dimensioning: return "控制参数";
    case LoadSection::X: return "结点X坐标";
    case LoadSection::Y: return "结点Y坐标";
    case LoadSection::SpecialNodes: return "特殊结点";
    case LoadSection::Elements: return "单元数据";
    case LoadSection::NodalLoads: return "结点荷载";
    case LoadSection::MemberLoads: return "杆上荷载";
    }
    return "";
}

// A token shown in a message: printable ASCII only, at most 20 characters.
std::string shownToken(std::string_view token)
{
    std::string shown;
    for (char c : token.substr(0, 20)) {
        const auto u = static_cast<unsigned char>(c);
        shown += (u >= 0x20 && u < 0x7f) ? c : '?';
    }
    if (token.size() > 20)
        shown += "...";
    return shown;
}

class Reader {
public:
    Reader(ProjectModel& model, std::string_view text) : model_(model), tokens_(text) {}

    LoadReport run();

private:
    // Reads one number for (section, entry, field); false when reading stops.
    bool real(double& out);
    bool int16(std::int16_t& out);
    void at(LoadSection section, std::size_t entry, std::size_t field)
    {
        report_.section = section;
        report_.entry = entry;
        report_.field = field;
    }
    void stop(const std::string& reason)
    {
        std::string where = std::string("工程文件读到") + sectionName(report_.section);
        if (report_.entry != 0)
            where += "第" + std::to_string(report_.entry) + "项";
        if (report_.field != 0)
            where += "的第" + std::to_string(report_.field) + "个数";
        report_.message = where + "时中断：" + reason + "。后面的数据没有读入，保存前请检查。";
    }

    ProjectModel& model_;
    TokenStream tokens_;
    LoadReport report_;
};

bool Reader::real(double& out)
{
    const auto token = tokens_.next();
    if (!token) {
        stop("文件提前结束");
        return false;
    }
    const auto value = common::parseStrict(*token);
    if (!value || !std::isfinite(*value)) {
        const bool huge = std::isinf(common::parseLenient(*token));
        stop("“" + shownToken(*token) + (huge ? "”超出数值范围" : "”不是数字"));
        return false;
    }
    out = *value;
    return true;
}

bool Reader::int16(std::int16_t& out)
{
    double value = 0;
    if (!real(value))
        return false;
    const auto rounded = common::roundToInt16(value);
    if (!rounded) {
        stop(common::plainText(value) + " 超出整数范围 -32768..32767");
        return false;
    }
    out = *rounded;
    return true;
}

LoadReport Reader::run()
{
    ProjectModel& m = model_;
    m.NE = m.NJ = m.NS = m.NPJ = m.NPF = 0;
    m.ProjectLoaded = 0;

    std::int16_t* counts[] = {&m.NE, &m.NJ, &m.NS, &m.NPJ, &m.NPF};
    for (std::size_t i = 0; i < 5; ++i) {
        at(LoadSection::ControlNumbers, 0, i + 1);
        if (!int16(*counts[i]))
            return report_;
    }
    at(LoadSection::Dimensioning, 0, 0);
    if (auto error = DimensionTables(m)) {
        stop(error->message);
        return report_;
    }
    // From here on the tables belong to this file.
    m.ProjectLoaded = 1;

    const auto nj = static_cast<std::size_t>(m.NJ);
    for (std::size_t i = 1; i <= nj; ++i) {
        at(LoadSection::X, i, 0);
        if (!real(m.X(i)))
            return report_;
    }
    for (std::size_t i = 1; i <= nj; ++i) {
        at(LoadSection::Y, i, 0);
        if (!real(m.Y(i)))
            return report_;
    }
    for (std::size_t s = 1; s <= static_cast<std::size_t>(m.NS); ++s) {
        for (std::size_t k = 1; k <= 4; ++k) {
            at(LoadSection::SpecialNodes, s, k);
            if (!int16(m.JS(s, k)))
                return report_;
        }
    }
    for (std::size_t e = 1; e <= static_cast<std::size_t>(m.NE); ++e) {
        at(LoadSection::Elements, e, 1);
        if (!int16(m.JE(e, 1)))
            return report_;
        at(LoadSection::Elements, e, 2);
        if (!int16(m.JE(e, 2)))
            return report_;
        at(LoadSection::Elements, e, 3);
        if (!real(m.EA(e)))
            return report_;
        at(LoadSection::Elements, e, 4);
        if (!real(m.EI(e)))
            return report_;
    }
    for (std::size_t j = 1; j <= static_cast<std::size_t>(m.NPJ); ++j) {
        for (std::size_t k = 1; k <= 2; ++k) {
            at(LoadSection::NodalLoads, j, k);
            if (!real(m.PJ(j, k)))
                return report_;
        }
    }
    for (std::size_t j = 1; j <= static_cast<std::size_t>(m.NPF); ++j) {
        for (std::size_t k = 1; k <= 4; ++k) {
            at(LoadSection::MemberLoads, j, k);
            if (!real(m.PF(j, k)))
                return report_;
        }
    }
    report_ = LoadReport{};
    report_.complete = true;
    return report_;
}

}  // namespace

LoadReport ParseProject(ProjectModel& model, std::string_view text)
{
    return Reader(model, text).run();
}

LoadReport LoadProject(ProjectModel& model, const std::filesystem::path& folder)
{
    model.NE = model.NJ = model.NS = model.NPJ = model.NPF = 0;
    model.ProjectLoaded = 0;
    const std::filesystem::path path = ProjectPath(folder, model.ProjectName);
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    if (!in || std::filesystem::is_directory(path, ec)) {
        LoadReport report;
        report.section = LoadSection::File;
        report.message = "工程文件 " + path.string() + " 无法打开，没有读入任何数据。";
        return report;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        LoadReport report;
        report.section = LoadSection::File;
        report.message = "工程文件 " + path.string() + " 读取出错，没有读入任何数据。";
        return report;
    }
    return ParseProject(model, text);
}

}  // namespace frameproject
