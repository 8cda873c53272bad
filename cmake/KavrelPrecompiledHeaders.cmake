# The Qt headers the program code includes most, precompiled once for the
# libraries and programs without widgets and once for those with them: they
# take most of the time a file takes to compile. A header precompiled for one
# target serves only targets compiled with the same flags and definitions, so
# each group shares that of its lowest library. Configure with
# -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON -DCMAKE_UNITY_BUILD=OFF to check that
# every file includes what it uses.
#
# The fuzz build gives some libraries instrumentation the others lack.
if(KAVREL_FUZZ)
  return()
endif()

set(KAVREL_CORE_HEADERS <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QString> <QStringList> <QTextStream>)
target_precompile_headers(common PRIVATE ${KAVREL_CORE_HEADERS})
foreach(target common_messages price_book exchange spreadsheet dorvisk_job estimate_peer_report estimate_peer pricebook)
  target_precompile_headers(${target} REUSE_FROM common)
endforeach()

target_precompile_headers(common_ui PRIVATE ${KAVREL_CORE_HEADERS} <QApplication> <QCheckBox> <QComboBox> <QDialog>
    <QGridLayout> <QGroupBox> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QMouseEvent> <QPainter> <QPushButton>
    <QVBoxLayout> <QWidget>)
foreach(target widgets main_program input_dialog kavrel kanzai_input)
  target_precompile_headers(${target} REUSE_FROM common_ui)
endforeach()
