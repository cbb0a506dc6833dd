#pragma once
// The screens of framewizard, Form1 to Form12 (one is written form6).
//
// Controls are public members named as the screens name them and carry the
// same objectName, so a test finds them with findChild. Element i of a control
// array is named "<Name>_<i>": Label1(0) is the QLabel "Label1_0". Every field
// and list carries its label's caption as accessible name. Each screen's
// Timer1 (the scrolling heading) is the platform::ScrollingHeading member
// `Timer1`; its QTimer is named "Timer1" too.
//
// Flow: Form1 -> Form2 -> Form3 (<-> Form4) -> form6 (<-> Form7) -> Form8
// (<-> Form9) -> Form10 -> Form11 -> Form5 -> Form12, with the way back from
// Form11 to Form10, from Form5 to Form11 and from Form12 to Form5. The data go
// into framewizard::frameModel() (program.h).

#include "platform/screen.h"

#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace platform {
class ScrollingHeading;
}

namespace framewizard {

// ---------------------------------------------------------------- Form1
// Start-up screen: picture, scrolling welcome, version, credit, two buttons.
class Form1 final : public platform::Screen
{
    Q_OBJECT
public:
    Form1();
    QLabel* Label1;
    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command1;  // "进入程序"
    QPushButton* Command2;  // "退出程序"
    platform::ScrollingHeading* Timer1;
};

// ---------------------------------------------------------------- Form2
// The five counts of the frame.
class Form2 final : public platform::Screen
{
    Q_OBJECT
public:
    Form2();
    void load() override;
    // Enables "确  定" once any field holds text; never disables it.
    void jihuo();

    QLabel* Label6;
    QLabel* Label1; QLineEdit* Text1;  // nodes
    QLabel* Label2; QLineEdit* Text2;  // fixed nodes
    QLabel* Label3; QLineEdit* Text3;  // members
    QLabel* Label4; QLineEdit* Text4;  // loads
    QLabel* Label5; QLineEdit* Text5;  // check sections
    QPushButton* Command2;  // "确  定"
    QPushButton* Command1;  // "清  除"
    platform::ScrollingHeading* Timer1;

private:
    void fieldChanged(QLineEdit* changed);
    void accept();
    void clearFields();
    QLineEdit* fields_[5];
};

// ------------------------------------------- two-field entry screens
// Form3, form6 and Form8 take one item (node, member) at a time as two numbers.
class PairEntryScreen : public platform::Screen
{
    Q_OBJECT
public:
    struct Layout;
    // Brings the buttons in line with the fields and the item cursor.
    void jihuo();

    QLabel* heading;
    QLabel* itemLabels[2];
    QLineEdit* Text1;
    QLineEdit* Text2;
    QPushButton* Command1;  // "确 定"
    QPushButton* Command2;  // "输入检查"
    QPushButton* Command3;  // next item
    platform::ScrollingHeading* Timer1;

protected:
    explicit PairEntryScreen(const Layout& layout);
    void load() override;

    virtual void redimension() = 0;
    virtual double count() const = 0;
    virtual double cursor() const = 0;
    virtual void setCursor(double value) = 0;
    virtual void store(double first, double second) = 0;  // at the cursor
    virtual void openNext() = 0;   // after "确 定"
    virtual void openCheck() = 0;  // after "输入检查"

private:
    void storeCurrent();
    void nextItem();
    QString suffix_[2];
};

class Form3 final : public PairEntryScreen
{
    Q_OBJECT
public:
    Form3();
protected:
    void redimension() override;
    double count() const override;
    double cursor() const override;
    void setCursor(double value) override;
    void store(double first, double second) override;
    void openNext() override;
    void openCheck() override;
};

class form6 final : public PairEntryScreen
{
    Q_OBJECT
public:
    form6();
protected:
    void redimension() override;
    double count() const override;
    double cursor() const override;
    void setCursor(double value) override;
    void store(double first, double second) override;
    void openNext() override;
    void openCheck() override;
};

class Form8 final : public PairEntryScreen
{
    Q_OBJECT
public:
    Form8();
protected:
    void redimension() override;
    double count() const override;
    double cursor() const override;
    void setCursor(double value) override;
    void store(double first, double second) override;
    void openNext() override;
    void openCheck() override;
};

// ---------------------------------------------------- check screens
// Form4, Form7 and Form9 walk through the stored items and correct them
// through two input boxes. They are only hidden, so they resume where left.
class CheckScreen : public platform::Screen
{
    Q_OBJECT
public:
    struct Layout;
    // Rewrites the item label for the current check cursor.
    void bian();

    QLabel* heading;
    QLabel* itemLabel;
    QLineEdit* Text1;       // the item's two values, a display
    QPushButton* Command1;  // "要修改"
    QPushButton* Command2;  // "继续检查", at the last item "退出"
    QPushButton* Command3;  // "取消"
    platform::ScrollingHeading* Timer1;

protected:
    explicit CheckScreen(const Layout& layout);
    void load() override;

    virtual double count() const = 0;
    virtual double cursor() const = 0;
    virtual void setCursor(double value) = 0;
    virtual double first(double item) const = 0;
    virtual double second(double item) const = 0;
    virtual void setFirst(double item, double value) = 0;
    virtual void setSecond(double item, double value) = 0;
    virtual void openNext() = 0;   // past the last item
    virtual void openEntry() = 0;  // after "取消"

private:
    void showItem();
    void nextItem();
    void modify();
    QString suffix_;
    QString firstPrompt_;
    QString secondPrompt_;
    QString secondName_;
};

class Form4 final : public CheckScreen
{
    Q_OBJECT
public:
    Form4();
protected:
    double count() const override;
    double cursor() const override;
    void setCursor(double value) override;
    double first(double item) const override;
    double second(double item) const override;
    void setFirst(double item, double value) override;
    void setSecond(double item, double value) override;
    void openNext() override;
    void openEntry() override;
};

class Form7 final : public CheckScreen
{
    Q_OBJECT
public:
    Form7();
protected:
    double count() const override;
    double cursor() const override;
    void setCursor(double value) override;
    double first(double item) const override;
    double second(double item) const override;
    void setFirst(double item, double value) override;
    void setSecond(double item, double value) override;
    void openNext() override;
    void openEntry() override;
};

class Form9 final : public CheckScreen
{
    Q_OBJECT
public:
    Form9();
protected:
    double count() const override;
    double cursor() const override;
    void setCursor(double value) override;
    double first(double item) const override;
    double second(double item) const override;
    void setFirst(double item, double value) override;
    void setSecond(double item, double value) override;
    void openNext() override;
    void openEntry() override;
};

// ---------------------------------------------------------------- Form10
// Member loads, four numbers each.
class Form10 final : public platform::Screen
{
    Q_OBJECT
public:
    Form10();
    void load() override;
    void jihuo();

    QLabel* Label5;
    QLabel* Label1; QLineEdit* Text1;  // member
    QLabel* Label2; QLineEdit* Text2;  // magnitude
    QLabel* Label3; QLineEdit* Text3;  // distance from the small end
    QLabel* Label4; QLineEdit* Text4;  // type code
    QPushButton* Command2;  // "下一 个"
    QPushButton* Command1;  // "确  定"
    platform::ScrollingHeading* Timer1;

private:
    void storeCurrent();
    void nextLoad();
};

// ---------------------------------------------------------------- Form11
// Check sections, two numbers each; "计算输出" opens the results.
class Form11 final : public platform::Screen
{
    Q_OBJECT
public:
    Form11();
    void load() override;
    void jihuo();

    QLabel* Label3;
    QLabel* Label1; QLineEdit* Text1;  // member
    QLabel* Label2; QLineEdit* Text2;  // XP
    QPushButton* Command2;  // "下一个"
    QPushButton* Command3;  // "返回荷载输入界面"
    QPushButton* Command1;  // "计算输出"
    platform::ScrollingHeading* Timer1;

private:
    void storeCurrent();
    void nextSection();
};

// ---------------------------------------------------------------- Form5
// Results: the analysis runs in the load step and fills List1 and List2.
class Form5 final : public platform::Screen
{
    Q_OBJECT
public:
    Form5();
    void load() override;

    QLabel* Label1;
    QListWidget* List1;  // node displacements
    QListWidget* List2;  // section forces
    QPushButton* Command1;  // "下 一 步"
    QPushButton* Command2;  // "上 一 步"
    QPushButton* Command3;  // "文件输出"
    platform::ScrollingHeading* Timer1;

    // Text of an item; empty past the last one.
    static QString itemText(const QListWidget* list, int index);

private:
    void writeFile();
};

// ---------------------------------------------------------------- Form12
// Closing screen: picture, thanks, back to the results or end.
class Form12 final : public platform::Screen
{
    Q_OBJECT
public:
    Form12();
    QLabel* Picture1;
    QLabel* Label3;
    QPushButton* Command1;  // "返回程序"
    QPushButton* Command2;  // "退出程序"
    QTimer* Timer1;         // 500 ms, no action
};

} // namespace framewizard
