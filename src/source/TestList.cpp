#include "source/TestList.h"

#include <QSignalBlocker>

#include "app/Form1.h"
#include "app/Program.h"

void List1_Click(Program& p) {
  const QListWidgetItem* picked = p.form().List1->currentItem();
  if (!picked) return;
  p.form().Text5->setText(picked->text());
  p.INFIL = picked->text() + QStringLiteral(".tst");
}

void File1_Click(Program& p) {
  FileListBox& file1 = *p.form().File1;
  const QString name = file1.fileName(file1.currentRow());
  p.form().Text5->setText(name);
  p.INFIL = name;
}

void LaddaFilTxtbox(Program& p) {
  Form1& f = p.form();
  f.List1->clear();
  f.File1->setPath(p.workDir());
  {
    // Nothing is selected yet, so that selecting the first entry raises its event too.
    const QSignalBlocker quiet(f.File1);
    f.File1->setCurrentRow(-1);
  }
  for (int i = 0; i < f.File1->count(); ++i) {
    f.File1->setCurrentRow(i);  // runs File1_Click
    const QString name = f.File1->fileName(i);
    f.List1->addSorted(name.left(name.size() - 4));
  }
}
