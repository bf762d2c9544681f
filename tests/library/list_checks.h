#pragma once

#include <string>
#include <vector>

#include <QListView>

// The lines a list shows, from its model.
inline std::vector<std::string> ListTexts(const QListView& list) {
  std::vector<std::string> texts;
  const QAbstractItemModel& model = *list.model();
  for (int i = 0; i < model.rowCount(); ++i) texts.push_back(model.index(i, 0).data().toString().toStdString());
  return texts;
}
