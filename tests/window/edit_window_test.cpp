// The result fields let the user look and copy but never change; the inputs take any text.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>

#include <array>

#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "window_fixture.h"
#include "window_input.h"

namespace fokuro::testing {
namespace {

constexpr std::array kResultFields{IDC_WIDE_RESULT, IDC_TELE_RESULT};

struct Stroke {
  Qt::Key key = Qt::Key_unknown;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

struct EditRow {
  const char* name;
  std::array<Stroke, 3> strokes;  // Qt::Key_unknown ends the list
};

void PrintTo(const EditRow& row, std::ostream* out) {
  *out << row.name;
}

class ResultFieldEditTest : public WindowTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(ResultFieldEditTest, LeavesTheTextAsItWas) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    for (const int field : kResultFields) {
      SCOPED_TRACE(field);
      dialog.SetDlgItemText(field, "1358024680");
      QApplication::clipboard()->setText(QStringLiteral("99x"));
      Click(ControlOf(dialog, field));
      ASSERT_EQ(FocusedControl(dialog), field);
      for (const Stroke& stroke : GetParam().strokes) {
        if (stroke.key != Qt::Key_unknown) {
          Press(stroke.key, stroke.modifiers);
        }
      }
      EXPECT_EQ(TextOf(dialog, field), "1358024680");
      EXPECT_EQ(dialog.GetDlgItemText(field), "1358024680");
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultFieldEditTest,
    ::testing::Values(EditRow{"typing_digits", {{{Qt::Key_1}, {Qt::Key_2}, {Qt::Key_3}}}},
                      EditRow{"typing_letters", {{{Qt::Key_A}, {Qt::Key_B}}}},
                      EditRow{"typing_over_a_selection", {{{Qt::Key_A, kCtrl}, {Qt::Key_7}}}},
                      EditRow{"space", {{{Qt::Key_Space}}}},
                      EditRow{"paste", {{{Qt::Key_V, kCtrl}}}},
                      EditRow{"paste_over_a_selection", {{{Qt::Key_A, kCtrl}, {Qt::Key_V, kCtrl}}}},
                      EditRow{"shift_insert_paste", {{{Qt::Key_Insert, Qt::ShiftModifier}}}},
                      EditRow{"cut_selection", {{{Qt::Key_A, kCtrl}, {Qt::Key_X, kCtrl}}}},
                      EditRow{"shift_delete_cut",
                              {{{Qt::Key_A, kCtrl}, {Qt::Key_Delete, Qt::ShiftModifier}}}},
                      EditRow{"delete_at_start", {{{Qt::Key_Home}, {Qt::Key_Delete}}}},
                      EditRow{"delete_selection", {{{Qt::Key_A, kCtrl}, {Qt::Key_Delete}}}},
                      EditRow{"backspace_at_end", {{{Qt::Key_End}, {Qt::Key_Backspace}}}},
                      EditRow{"backspace_selection", {{{Qt::Key_A, kCtrl}, {Qt::Key_Backspace}}}},
                      EditRow{"delete_word", {{{Qt::Key_Home}, {Qt::Key_Delete, kCtrl}}}}),
    RowName{});

using EditWindowTest = WindowTest;

TEST_F(EditWindowTest, ResultFieldsHaveACaretThatMovesAndSelectsAndCopies) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    for (const int field : kResultFields) {
      SCOPED_TRACE(field);
      dialog.SetDlgItemText(field, "-3650722202");
      QLineEdit* edit = EditOf(dialog, field);
      Click(edit);
      ASSERT_EQ(FocusedControl(dialog), field);
      Press(Qt::Key_Home);
      EXPECT_EQ(edit->cursorPosition(), 0);
      Press(Qt::Key_Right);
      Press(Qt::Key_Right);
      EXPECT_EQ(edit->cursorPosition(), 2);
      Press(Qt::Key_End, Qt::ShiftModifier);
      EXPECT_EQ(edit->selectedText(), QStringLiteral("650722202"));
      QApplication::clipboard()->setText(QStringLiteral("before"));
      Press(Qt::Key_C, kCtrl);
      EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("650722202"));
      Press(Qt::Key_A, kCtrl);
      EXPECT_EQ(edit->selectedText(), QStringLiteral("-3650722202"));
      Press(Qt::Key_C, kCtrl);
      EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-3650722202"));
      Press(Qt::Key_End);
      EXPECT_EQ(edit->cursorPosition(), 11);
      EXPECT_FALSE(edit->hasSelectedText());
    }
  });
}

TEST_F(EditWindowTest, InputFieldsTakeLettersAndOtherCharactersNotOnlyDigits) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    for (const int field : {IDC_WIDE_MM, IDC_TELE_MM}) {
      SCOPED_TRACE(field);
      Click(ControlOf(dialog, field));
      ASSERT_EQ(FocusedControl(dialog), field);
      Type(QStringLiteral("abc XYZ -+.,_/mm"));
      EXPECT_EQ(TextOf(dialog, field), "abc XYZ -+.,_/mm");
    }
  });
}

TEST_F(EditWindowTest, InputFieldsTakeA400CharacterTextAndScrollItPastTheRightEdge) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    QString typed;
    for (int i = 0; i < 40; ++i) {
      typed += QStringLiteral("1234567890");
    }
    for (const int field : {IDC_WIDE_MM, IDC_TELE_MM}) {
      SCOPED_TRACE(field);
      QLineEdit* edit = EditOf(dialog, field);
      Click(edit);
      Type(typed);
      EXPECT_EQ(edit->text().size(), 400);
      EXPECT_EQ(TextOf(dialog, field), typed.toStdString());
      EXPECT_EQ(edit->cursorPosition(), 400);
      // The caret is still inside the field: the text has scrolled to the left. Qt works out
      // the scrolling when it paints, as it would on a screen.
      edit->repaint();
      const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
      EXPECT_TRUE(edit->rect().contains(caret.center()))
          << caret.x() << "," << caret.y() << " in a field " << edit->width() << " wide";
    }
  });
}

}  // namespace
}  // namespace fokuro::testing

namespace fokuro::testing {
namespace {

// The column where the caret stands, as painted: with focus there is a caret, without none.
QImage FieldPicture(QLineEdit* field) {
  return field->grab().toImage();
}

int DarkPixelsInColumn(const QImage& picture, int x, int top, int bottom) {
  int dark = 0;
  for (int y = top; y <= bottom; ++y) {
    if (qGray(picture.pixel(x, y)) < 96) {
      ++dark;
    }
  }
  return dark;
}

TEST_F(EditWindowTest, AFocusedResultFieldDrawsItsCaret) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    QLineEdit* field = EditOf(dialog, IDC_WIDE_RESULT);
    dialog.SetDlgItemText(IDC_WIDE_RESULT, "44.8");
    Click(field);
    Press(Qt::Key_End);
    Press(Qt::Key_Left);  // between "44." and "8": a column with no glyph ink of its own
    ASSERT_EQ(FocusedControl(dialog), IDC_WIDE_RESULT);
    const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.center().x();
    const int withFocus = DarkPixelsInColumn(FieldPicture(field), x, caret.top(), caret.bottom());
    Click(EditOf(dialog, IDC_WIDE_MM));
    const int withoutFocus =
        DarkPixelsInColumn(FieldPicture(field), x, caret.top(), caret.bottom());
    EXPECT_GT(withFocus, withoutFocus + caret.height() / 2);
  });
}

}  // namespace
}  // namespace fokuro::testing
