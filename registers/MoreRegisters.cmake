# Users, collaborators, employees, the registration calendar and the agenda.
target_sources(qn_registers PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/U_cadusuario.cpp ${CMAKE_CURRENT_LIST_DIR}/U_cadusuario.h
  ${CMAKE_CURRENT_LIST_DIR}/U_Cad_Colaborador.cpp ${CMAKE_CURRENT_LIST_DIR}/U_Cad_Colaborador.h
  ${CMAKE_CURRENT_LIST_DIR}/U_Cad_Funcionario.cpp ${CMAKE_CURRENT_LIST_DIR}/U_Cad_Funcionario.h
  ${CMAKE_CURRENT_LIST_DIR}/U_cad_cronograma_escolar.cpp ${CMAKE_CURRENT_LIST_DIR}/U_cad_cronograma_escolar.h
  ${CMAKE_CURRENT_LIST_DIR}/U_agendamento.cpp ${CMAKE_CURRENT_LIST_DIR}/U_agendamento.h
  ${CMAKE_CURRENT_LIST_DIR}/U_agendamento_Grid.cpp ${CMAKE_CURRENT_LIST_DIR}/U_agendamento_Grid.h)
target_link_libraries(qn_registers PUBLIC qn_system)
