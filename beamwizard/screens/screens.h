#pragma once
// The eight screens of the continuous-beam analyser.
//
//   Form1  welcome screen            Form5  input listing and computation
//   Form2  node count, end supports  Form6  rotations and end moments in labels
//   Form3  spans, EI, nodal couples  Form7  result text on screen and on paper
//   Form4  fixed-end moments         Form8  simple-beam end shears
//
// Every screen is opened with platform::open<FormN>() and left with
// hideScreen(): it is built on first use and afterwards only hidden and shown,
// so its fields, lists and labels keep their contents for the whole run.
//
// Control names: each control's objectName is its name on the screen
// ("Command1", "Combo2", "List2"). An element of a control array gets the
// array name, an underscore and its index: Text1(3) is "Text1_3", Label5(2)
// is "Label5_2". Indices start at 1, as the arrays of the model do. Every
// field, list and combo box carries its label's caption as accessible name.
//
// All screens read and write the one program-wide beam, beamModel().

#include "beamwizard/model/beam_model.h"
#include "platform/registry.h"
#include "platform/screen.h"

#include <QList>
#include <QString>

#include <array>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace platform {
class TextSurface;
}

namespace beamwizard {

// The beam typed in; lives from program start to program end.
BeamModel& beamModel();
// Starts the beam afresh (count and codes 0, no arrays); tests use it.
void resetBeamModel();

// Shows a fault of the core in a message box (its text names the fault and
// the item concerned).
void showFault(const Fault& fault);

// The texts of a field array, field 1 first, as the confirm buttons read them.
std::vector<std::string> fieldTexts(std::span<QLineEdit* const> fields);

// Colours of the screens.
QColor lightOrange();
QColor orange();
QColor green();
QColor yellow();
QColor grey();
QColor lightYellow();

// A screen of this program: shares the font of all screens and sends the
// window frame's close box back to the welcome screen (nothing is lost; the
// program ends only from there).
class BeamScreen : public platform::Screen
{
    Q_OBJECT
public:
    BeamScreen(const QString& title, int clientWidthTwips, int clientHeightTwips);

protected:
    void closeBoxPressed() override;

    // Hides this screen, then opens T (built on first use).
    template <class T>
    void goTo();

    QPushButton* makeButton(const QString& name, const QString& caption, int left, int top,
                            int width, int height);
    QLabel* makeLabel(const QString& caption, int left, int top, int width, int height);
    // A text field named "<array>_<index>", accessible name `caption`.
    QLineEdit* makeField(const QString& name, const QString& caption, int left, int top,
                         int width, int height);
};

class Form1 final : public BeamScreen
{
    Q_OBJECT
public:
    Form1();

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;  // 进入程序
    QPushButton* Command2;  // 退出程序

protected:
    void closeBoxPressed() override;  // the welcome screen's close box ends the program
};

class Form2 final : public BeamScreen
{
    Q_OBJECT
public:
    Form2();
    void load() override;

    // The characters a node count or support code may be typed with.
    static bool acceptedCharacter(QChar c);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QComboBox* Combo1;  // node count
    QComboBox* Combo2;  // left support code
    QComboBox* Combo3;  // right support code
    QPushButton* Command1;  // 确   定
    QPushButton* Command2;  // 上 一 步
    QPushButton* Command3;  // 重新输入

private:
    void confirm();
    void restart();
};

class Form3 final : public BeamScreen
{
    Q_OBJECT
public:
    Form3();

    QGroupBox* lengthFrame;
    QGroupBox* stiffnessFrame;
    QGroupBox* coupleFrame;
    std::array<QLineEdit*, 6> Text1{};  // L1..L6
    std::array<QLineEdit*, 6> Text2{};  // EI1..EI6
    std::array<QLineEdit*, 7> Text3{};  // P1..P7
    QPushButton* Command1;  // 确认 lengths
    QPushButton* Command2;  // 清除 lengths
    QPushButton* Command3;  // 确认 stiffnesses
    QPushButton* Command4;  // 清除 stiffnesses
    QPushButton* Command5;  // 确认 couples, on to Form4
    QPushButton* Command6;  // 清除 couples
    QPushButton* Command7;  // 返回上一步
};

// Form4 (fixed-end moments M) and Form8 (simple-beam shears S0) are the same
// screen on different arrays: twelve fields, span by span, left end first.
class SpanEndScreen : public BeamScreen
{
    Q_OBJECT
public:
    std::array<QLineEdit*, 12> Text1{};
    QGroupBox* frame;
    QPushButton* Command1;  // confirm, on to the next screen
    QPushButton* Command2;  // clear
    QPushButton* Command3;  // back

protected:
    SpanEndScreen(const QString& title, int clientWidth, int clientHeight);
    void clearFields(const std::string& fieldLabel);
};

class Form4 final : public SpanEndScreen
{
    Q_OBJECT
public:
    Form4();
};

class Form8 final : public SpanEndScreen
{
    Q_OBJECT
public:
    Form8();
};

class Form5 final : public BeamScreen
{
    Q_OBJECT
public:
    Form5();

    QListWidget* List2;
    QPushButton* Command1;  // 输 出 原 始 数 据
    QPushButton* Command2;  // 返回上一步
    QPushButton* Command3;  // 开 始 计 算
    QPushButton* Command4;  // 清 除 重 算
    QPushButton* Command5;  // 下 一 步

    // The lines of List2, first line first (tests, screenshots).
    QStringList listLines() const;

private:
    void appendLine(const std::string& line);
};

class Form6 final : public BeamScreen
{
    Q_OBJECT
public:
    static constexpr int rowCount = 7;

    Form6();

    std::array<QLabel*, rowCount> Label5{};  // node (span) number
    std::array<QLabel*, rowCount> Label6{};  // node rotation
    std::array<QLabel*, rowCount> Label7{};  // left end moment
    std::array<QLabel*, rowCount> Label8{};  // right end moment
    QPushButton* Command1;  // 输出
    QPushButton* Command2;  // 返回上一步
    QPushButton* Command3;  // 下一步

private:
    void fillRows();
    void setCaption(QLabel* label, const QString& caption);
};

class Form7 final : public BeamScreen
{
    Q_OBJECT
public:
    Form7();

    platform::TextSurface* surface;  // the screen's drawing surface
    QPushButton* Command1;  // 显 示 结 果
    QPushButton* Command2;  // 打 印 结 果
    QPushButton* Command3;  // 返 回 上 一 步
    QPushButton* Command4;  // 结 束 计 算

private:
    void showResults();
    void printResults();
};

template <class T>
void BeamScreen::goTo()
{
    hideScreen();
    platform::open<T>();
}

}  // namespace beamwizard
