#include "manage/CCourseDlg.h"
#include "manage/FieldChecks.h"
#include "platform/TextFormat.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace kip::manage {
namespace {

constexpr const char* courseErrorCaption = "Course Error";
constexpr int maxPar = 127;     // one signed byte per hole
constexpr int maxYardage = 999; // three digits per hole
constexpr int maxSlope = 200;
constexpr double maxRating = 100.0;

constexpr std::array<const char*, courseTextCount> labels = {
    "Course Name", "City", "State/Prov", "Zip", "Phone", "Tee Color/Name", "Rating", "Slope"};
constexpr std::array<int, courseTextCount> limits = {40, 20, 10, 10, 15, 15, 0, 0};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Digits only (blanks around them allowed); values beyond int come back as INT_MAX-sized so that the
// range check refuses them.
std::optional<long> wholeNumber(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    long value = 0;
    for (const char c : t) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value > 100000000L ? value : value * 10 + (c - '0');
    }
    return value;
}

std::optional<double> decimalNumber(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::size_t characters(const std::string& utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string upperCased(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string ratingText(double rating) {
    return platform::formatText("%.1f", rating);
}

std::string between(const char* kind, int low, int high) {
    return std::string("Enter ") + kind + " between " + std::to_string(low) + " and " + std::to_string(high) +
           ".";
}

} // namespace

CCourseDlg::CCourseDlg(platform::Prompter& prompter, CourseMode mode, bool allowMeters)
    : prompter_(prompter), mode_(mode), allowMeters_(allowMeters) {
    load(CourseForm{});
}

void CCourseDlg::load(const CourseForm& form) {
    form_ = form;
    texts_ = {form.name,
              form.city,
              form.state,
              form.zip,
              form.phone,
              form.tee,
              ratingText(form.rating),
              std::to_string(form.slope)};
    for (std::size_t h = 1; h < golfdb::holeSlots; ++h) {
        holes_[0][h] = std::to_string(form.yardage[h]);
        holes_[1][h] = std::to_string(form.par[h]);
        strokeIndexTexts_[h] =
            golfdb::isStrokeIndexSet(form.strokeIndex) ? std::to_string(form.strokeIndex[h]) : "";
    }
    meters_ = form.meters;
    computeSums(CourseRow::Yardage);
    computeSums(CourseRow::Par);
}

void CCourseDlg::open() {
    computeSums(CourseRow::Yardage);
    computeSums(CourseRow::Par);
    metersNote_ = mode_ != CourseMode::Add && !allowMeters_ && meters_;
    if (mode_ == CourseMode::Change)
        openingKey_ = golfdb::courseKey(text(CourseText::Name), text(CourseText::City),
                                        text(CourseText::State), text(CourseText::Tee));
}

std::string CCourseDlg::title() const {
    switch (mode_) {
    case CourseMode::Add:
        return "Add a New Course";
    case CourseMode::Change:
        return "Change Course Information";
    case CourseMode::View:
        break;
    }
    return "View Course";
}

const char* CCourseDlg::label(CourseText field) {
    return labels.at(static_cast<std::size_t>(field));
}

int CCourseDlg::maxLength(CourseText field) {
    return limits.at(static_cast<std::size_t>(field));
}

void CCourseDlg::setText(CourseText field, std::string text) {
    if (field == CourseText::State)
        text = upperCased(std::move(text));
    texts_.at(static_cast<std::size_t>(field)) = std::move(text);
}

const std::string& CCourseDlg::holeText(CourseRow row, int hole) const {
    return holes_.at(index(row)).at(static_cast<std::size_t>(hole));
}

void CCourseDlg::setHoleText(CourseRow row, int hole, std::string text) {
    if (hole >= 1 && hole < golfdb::holeSlots)
        holes_.at(index(row)).at(static_cast<std::size_t>(hole)) = std::move(text);
}

const std::string& CCourseDlg::strokeIndexText(int hole) const {
    return strokeIndexTexts_.at(static_cast<std::size_t>(hole));
}

void CCourseDlg::setStrokeIndexText(int hole, std::string text) {
    if (hole >= 1 && hole < golfdb::holeSlots)
        strokeIndexTexts_.at(static_cast<std::size_t>(hole)) = std::move(text);
}

void CCourseDlg::leaveHole(CourseRow row, int) {
    computeSums(row);
}

void CCourseDlg::computeSums(CourseRow row) {
    golfdb::HoleInts values{};
    for (std::size_t h = 1; h < golfdb::holeSlots; ++h)
        values[h] = static_cast<int>(wholeNumber(holes_[index(row)][h]).value_or(0) % 100000);
    sums_.at(index(row)) = {frontNine(values), backNine(values), manage::total(values)};
}

bool CCourseDlg::refuse(const std::string& text) {
    prompter_.show({text, platform::defaultCaption, platform::Icon::Warning, platform::Buttons::Ok});
    return false;
}

bool CCourseDlg::takeValues(CourseForm& form) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(CourseText::Rating); ++i)
        if (characters(texts_[i]) > static_cast<std::size_t>(limits[i]))
            return refuse("Enter no more than " + std::to_string(limits[i]) + " characters.");
    for (std::size_t i = 0; i < static_cast<std::size_t>(CourseText::Rating); ++i)
        if (!takeStorableText(prompter_, labels[i], texts_[i]))
            return false;
    form.name = texts_[0];
    form.city = texts_[1];
    form.state = texts_[2];
    form.zip = texts_[3];
    form.phone = texts_[4];
    form.tee = texts_[5];

    const auto rating = decimalNumber(text(CourseText::Rating));
    if (!rating)
        return refuse("Enter a number.");
    if (*rating < 0.0 || *rating > maxRating)
        return refuse(between("a number", 0, static_cast<int>(maxRating)));
    form.rating = *rating;

    const auto slope = wholeNumber(text(CourseText::Slope));
    if (!slope)
        return refuse("Enter a positive integer.");
    if (*slope > maxSlope)
        return refuse(between("an integer", 0, maxSlope));
    form.slope = static_cast<int>(*slope);

    // In the order the fields are laid out: each nine's yardage row above its par row.
    for (const int first : {1, 10}) {
        for (const CourseRow row : {CourseRow::Yardage, CourseRow::Par}) {
            const int limit = row == CourseRow::Par ? maxPar : maxYardage;
            auto& values = row == CourseRow::Par ? form.par : form.yardage;
            for (int h = first; h < first + 9; ++h) {
                const auto value = wholeNumber(holeText(row, h));
                if (!value)
                    return refuse("Enter a positive integer.");
                if (*value > limit)
                    return refuse(between("an integer", 0, limit));
                values.at(static_cast<std::size_t>(h)) = static_cast<int>(*value);
            }
        }
    }
    form.par[0] = 0;
    form.yardage[0] = 0;
    form.meters = meters_;
    return true;
}

bool CCourseDlg::takeStrokeIndexes(CourseForm& form) {
    form.strokeIndex.fill(0);
    const bool allEmpty = std::all_of(strokeIndexTexts_.begin() + 1, strokeIndexTexts_.end(),
                                      [](const std::string& text) { return trimmed(text).empty(); });
    if (allEmpty)
        return true;
    for (std::size_t h = 1; h < golfdb::holeSlots; ++h) {
        const auto value = wholeNumber(strokeIndexTexts_[h]);
        if (!value || *value < 1 || *value > golfdb::holeSlots - 1)
            return courseError(strokeIndexError());
        form.strokeIndex[h] = static_cast<std::int8_t>(*value);
    }
    if (!golfdb::isStrokeIndexSet(form.strokeIndex))
        return courseError(strokeIndexError());
    return true;
}

bool CCourseDlg::courseError(const char* text) {
    prompter_.show({text, courseErrorCaption, platform::Icon::Error, platform::Buttons::Ok});
    return false;
}

bool CCourseDlg::validate(CourseForm& form) {
    if (!takeValues(form))
        return false;
    if (form.name.empty())
        return courseError("You must specify a name for the course");
    if (form.tee.empty())
        return courseError("You must specify a tee for this entry");
    for (std::size_t h = 1; h < golfdb::holeSlots; ++h)
        if (form.par[h] == 0 || form.yardage[h] == 0)
            return courseError("You must enter a yardage and par for all holes");
    if (!takeStrokeIndexes(form))
        return false;
    if (mode_ == CourseMode::Change && form.key() != openingKey_) {
        const auto answer =
            prompter_.show({"You have changed the course and/or tees. Do you want to create a new "
                            "course/tee combination?",
                            "New Course", platform::Icon::Information, platform::Buttons::YesNo});
        if (answer != platform::Answer::Yes)
            return courseError("Course not changed");
        mode_ = CourseMode::Add;
    }
    if (form.slope < 55 || form.slope > 155) {
        const auto answer = prompter_.show(
            {"The course Slope appears incorrect. The USGA expects it to be a number between 55 and 155. An "
             "incorrect Slope will produce incorrect handicaps? Do you wish to use this Slope anyway?",
             "Slope In Error", platform::Icon::Error, platform::Buttons::YesNo});
        if (answer != platform::Answer::Yes)
            return false;
    }
    if (form.rating < 50.0 || form.rating > 80.0) {
        const auto answer =
            prompter_.show({"The course Rating appears incorrect. Usually this is a number between 50.0 and "
                            "80.0. An incorrect "
                            "Rating will produce incorrect handicaps? Do you wish to use this Rating anyway?",
                            "Rating In Error", platform::Icon::Error, platform::Buttons::YesNo});
        if (answer != platform::Answer::Yes)
            return false;
    }
    return true;
}

int CCourseDlg::press(int result) {
    CourseForm taken;
    if (!validate(taken))
        return dialogStayOpen;
    form_ = taken;
    return result;
}

int CCourseDlg::pressSaveAndQuit() {
    if (readOnly())
        return platform::dialogOk;
    return press(platform::dialogOk);
}

int CCourseDlg::pressSaveAndNewTee() {
    if (readOnly())
        return dialogStayOpen;
    return press(dialogSaveAndNewTee);
}

} // namespace kip::manage
