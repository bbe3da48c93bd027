# Kopiert einen Spielordner neben das Programm, wenn es ihn gibt.
if(EXISTS "${VON}")
  file(COPY "${VON}/" DESTINATION "${NACH}")
endif()
